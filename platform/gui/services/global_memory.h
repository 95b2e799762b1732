#pragma once

#include <cstddef>
#include <string>

// Memory blocks handed between the program and the clipboard or a drag by handle: allocated (always
// zero-filled here), locked for access, sized and freed. Handles of freed blocks are recognised: locking one
// gives nullptr, sizing it 0, and freeing it again does nothing.

// A handle names a block; it is never given out again once its block is freed.
struct TGlobalHandle__;
using HGLOBAL = TGlobalHandle__*;

constexpr unsigned GMEM_FIXED = 0x0000;
constexpr unsigned GMEM_MOVEABLE = 0x0002;
constexpr unsigned GMEM_ZEROINIT = 0x0040;
constexpr unsigned GMEM_DDESHARE = 0x2000;
constexpr unsigned GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;

// nullptr when the memory cannot be had.
HGLOBAL GlobalAlloc(unsigned flags, size_t bytes);
void* GlobalLock(HGLOBAL block);
bool GlobalUnlock(HGLOBAL block);
size_t GlobalSize(HGLOBAL block);
// Answers nullptr, as the handle is no longer valid.
HGLOBAL GlobalFree(HGLOBAL block);

// A block holding bytes, plus a terminating zero byte when asked; nullptr when the memory cannot be had.
HGLOBAL GlobalFromBytes(const std::string& bytes, bool terminatingZero);
// The block's bytes; with untilZero, those before the first zero byte.
std::string GlobalBytes(HGLOBAL block, bool untilZero);
