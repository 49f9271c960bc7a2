#pragma once

#include <cstdint>

// Receives the progress of the compression control's work (the bar of the visible control).
class ZProgress {
public:
    virtual ~ZProgress() = default;
    virtual void setRange(int64_t maximum) = 0;  // minimum is always 0; position goes to 0
    virtual void setPosition(int64_t position) = 0;
    virtual int64_t position() const = 0;
    void advance(int64_t delta) { setPosition(position() + delta); }
};
