#include "form/chemistry_worker.h"

#include <utility>

namespace quorvel::form {

ChemistryWorker::~ChemistryWorker() {
  if (thread_.joinable()) thread_.join();
}

void ChemistryWorker::Start(std::function<ChemistryTexts()> job, std::function<void()> done) {
  // The previous balance has handed over its texts: its thread is ending.
  if (thread_.joinable()) thread_.join();
  {
    const std::lock_guard lock(mutex_);
    result_.reset();
  }
  thread_ = std::thread([this, job = std::move(job), done = std::move(done)] {
    ChemistryTexts texts = job();
    {
      const std::lock_guard lock(mutex_);
      result_ = std::move(texts);
    }
    if (done) done();
  });
}

std::optional<ChemistryTexts> ChemistryWorker::TakeResult() {
  const std::lock_guard lock(mutex_);
  return std::exchange(result_, std::nullopt);
}

}  // namespace quorvel::form
