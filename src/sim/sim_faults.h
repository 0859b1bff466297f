// Misbehaviours the simulated receiver can be told to show.
#pragma once

namespace orbisk::sim {

struct SimFaults {
  bool silent = false;          // answers nothing at all
  int answerOnTry = 1;          // greetings go unanswered until this try
  bool refuse = false;          // a zero byte instead of acknowledgements (greetings still answered)
  int refuseAfter = 0;          // ... once this many acknowledgements were given in the conversation
  int wrongHeaderSlot = -1;     // that slot's header in the read stream names the next slot
  long cutAfter = -1;           // the read stream stops after this many bytes
  int countOver200Slot = -1;    // that slot's header says 255 records, and 255 follow
  bool badClock = false;        // the clock is sent as bytes that are not BCD
  bool faultyMemory = false;    // the memory test's second step is refused
  long flipAt = -1;             // the read stream's byte at this offset goes out with bit 6 flipped
  int flipReads = -1;           // ... in this many reads only (-1: every read)
  int trailingBytes = 0;        // bytes sent after the identity block, as a shifted stream leaves
  bool flipStored = false;      // a write is taken with bit 6 of its first record's last byte flipped
};

}  // namespace orbisk::sim
