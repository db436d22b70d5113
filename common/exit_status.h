#ifndef ORVANNE_COMMON_EXIT_STATUS_H_
#define ORVANNE_COMMON_EXIT_STATUS_H_

// How a command ended, as the process's exit status.
enum class ExitStatus : int {
  kWritten = 0,  // the report was written (or the help, the table)
  kRefused = 1,  // the run stopped on a problem; trying again will not mend it
  kUsage = 2,    // the arguments make no command
  // Trying again later can mend it (sysexits' EX_TEMPFAIL): the day's
  // products or cycle not out yet, the service unreachable or failing.
  kTryLater = 75,
};

// The number the process exits with.
inline int ExitCode(ExitStatus status) { return static_cast<int>(status); }

#endif  // ORVANNE_COMMON_EXIT_STATUS_H_
