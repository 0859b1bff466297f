// Ctrl+C: the handler only records it; the running conversation sees the flag at its next byte
// wait, closes the port and the command leaves no partial file behind.
#pragma once

namespace orbisk {
class Receiver;
}

namespace orbisk::cli {

void installInterruptHandler();
// The receiver whose conversation Ctrl+C ends, or null.
void setInterruptTarget(Receiver* receiver);
bool interruptRequested();
// Ends the process the way an unhandled Ctrl+C would, so a calling shell loop stops as well.
void exitAsInterrupted();

}  // namespace orbisk::cli
