#include "settings/job_state.h"

#include <random>

#include "platform/paths.h"

namespace tavrosine {

int DrawRandomNumber() {
  thread_local std::mt19937 generator{std::random_device{}()};
  return 1 + std::uniform_int_distribution<int>(0, 99998)(generator);
}

JobState MakeResetJobState() {
  JobState job;
  job.program_folder = ProgramFolder();
  job.random_number = DrawRandomNumber();
  return job;
}

}  // namespace tavrosine
