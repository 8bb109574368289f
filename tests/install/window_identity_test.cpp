// The window program's icon and desktop identity arrive with the application
// object alone: a window that sets nothing shows the icon at every size the
// desktop asks for, drawn from the very files the theme installs.

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QTemporaryDir>
#include <QWindow>
#include <memory>
#include <string>

namespace {

std::unique_ptr<QTemporaryDir> runtime;
std::unique_ptr<QGuiApplication> app;

class ApplicationEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "quorvel_window_identity_tests";
    static char* argv[] = {name, nullptr};
    // A runtime folder of its own: without one the toolkit makes
    // /tmp/runtime-$USER and leaves it there.
    runtime = std::make_unique<QTemporaryDir>();
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
    app = std::make_unique<QGuiApplication>(argc, argv);
  }
  void TearDown() override {
    app.reset();
    runtime.reset();
  }
};

const testing::Environment* const kEnvironment =
    testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

class WindowIconSizeTest : public testing::TestWithParam<int> {};

TEST_P(WindowIconSizeTest, ComesFromTheThemeFileOfThatSize) {
  const int size = GetParam();
  QWindow window;  // sets no icon of its own
  const QIcon icon = window.icon();
  ASSERT_FALSE(icon.isNull());
  EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size)));

  const QImage shown =
      icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  // Compared premultiplied, the form a pixmap keeps: straight colour under
  // nearly transparent pixels does not survive that round trip.
  const QString file = QStringLiteral(QUORVEL_ICON_DIR "/quorvel-%1.png").arg(size);
  const QImage expected = QImage(file).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  ASSERT_FALSE(expected.isNull()) << file.toStdString();
  EXPECT_EQ(shown, expected) << "the window does not show the committed " << size << " px picture";
}

INSTANTIATE_TEST_SUITE_P(ThemeSizes, WindowIconSizeTest, testing::Values(16, 32, 48, 256));

TEST(WindowIdentity, MatchesTheDesktopEntry) {
  EXPECT_EQ(QGuiApplication::desktopFileName().toStdString(), std::string(QUORVEL_APP_ID));
}

}  // namespace
