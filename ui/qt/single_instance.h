#pragma once

#include <QLockFile>
#include <QString>

#include "form/form_view.h"

namespace quorvel::ui {

// "Is this program already running for this user?" answered by a lock file in
// a per-user directory, named after the executable's canonical path. The
// lock records its owner's process id, so a lock left by a crashed or killed
// instance is recognised as stale and taken over.
class SingleInstanceLock : public form::PreviousInstance {
 public:
  // With an empty `directory` there is no lock, and the answer is always
  // that no other instance runs.
  SingleInstanceLock(const QString& directory, const QString& program_path);

  // Takes the lock. False only when another live instance holds it; when the
  // lock cannot be written at all the answer is true, because refusing to
  // start over an unrelated file-system problem would lock the user out.
  bool TryAcquire();
  // The form's question: another instance runs when the lock is taken.
  bool IsRunning() override { return !TryAcquire(); }
  QString LockFilePath() const { return path_; }

  static QString ThisProgramPath();
  static QString LockFileName(const QString& program_path);

 private:
  QString path_;
  QLockFile lock_;
};

}  // namespace quorvel::ui
