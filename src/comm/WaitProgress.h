#pragma once

// What a long wait reports to and learns from the window that shows it: each Poll keeps the window
// alive for a moment and answers 0 while the wait may go on, 1 when the user cancelled it and 2
// when its time limit has run out.
class WaitProgress {
  public:
    virtual ~WaitProgress() = default;
    virtual int Poll() = 0;
};
