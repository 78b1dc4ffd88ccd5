#pragma once

namespace trellis {

class Prompter;

// Shows the message for a pending file error number and tells the caller how to go on:
// 0 repeat the operation, 1 go on with the next step, 2 give up, 3 no message (not a file
// error, or none pending), 4 the name was refused whatever the answer.
int FileErrors(int pendingErrorNumber, Prompter& prompter);

}  // namespace trellis
