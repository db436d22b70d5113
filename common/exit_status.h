#ifndef ORVANNE_COMMON_EXIT_STATUS_H_
#define ORVANNE_COMMON_EXIT_STATUS_H_

// Exit statuses of a command.
inline constexpr int kExitWritten = 0;  // the report was written (or help)
inline constexpr int kExitRefused = 1;  // the run stopped on a problem
inline constexpr int kExitUsage = 2;    // the arguments make no command

#endif  // ORVANNE_COMMON_EXIT_STATUS_H_
