#pragma once

// The chemistry mode's balance on a thread of its own: the library may work
// for up to a second on hostile input, and the window must keep answering
// meanwhile. One balance at a time; its texts wait here until the window's
// thread takes them.
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "form/chemistry_answer.h"

namespace quorvel::form {

class ChemistryWorker {
 public:
  ChemistryWorker() = default;
  ChemistryWorker(const ChemistryWorker&) = delete;
  ChemistryWorker& operator=(const ChemistryWorker&) = delete;
  // Waits for a balance still running: the library bounds its own work, so
  // this is never longer than about a second.
  ~ChemistryWorker();

  // Runs `job` (BalanceChemistry, DescribeAmounts) on the worker's thread;
  // `done` runs there too, once the texts can be taken.
  void Start(std::function<ChemistryTexts()> job, std::function<void()> done);
  // On the window's thread: the finished balance's texts, once.
  std::optional<ChemistryTexts> TakeResult();

 private:
  std::mutex mutex_;
  std::optional<ChemistryTexts> result_;
  std::thread thread_;  // last: stopped before the result it writes goes
};

}  // namespace quorvel::form
