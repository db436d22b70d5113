#ifndef ORVANNE_APP_CLOSED_OUTPUT_H_
#define ORVANNE_APP_CLOSED_OUTPUT_H_

// A command whose standard output is a pipe its reader has closed goes on
// to write its report and picture whole, and then says that its lines did
// not arrive, instead of being ended by the signal. One file per platform.
void SurviveClosedOutput();

#endif  // ORVANNE_APP_CLOSED_OUTPUT_H_
