#pragma once

// Holds a flag at a value while it lives and puts the old value back, also when an exception passes: the
// memo's refresh, change and performing flags around the operations that set them.
template <typename T> class TFlagHolder
{
public:
    TFlagHolder(T& flag, T value) : flag_(flag), old_(flag) { flag_ = value; }
    ~TFlagHolder() { flag_ = old_; }
    TFlagHolder(const TFlagHolder&) = delete;
    TFlagHolder& operator=(const TFlagHolder&) = delete;

private:
    T& flag_;
    T old_;
};
