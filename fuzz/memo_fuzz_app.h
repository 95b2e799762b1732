#pragma once

// The application and the one memo that the memo's fuzz targets share: an offscreen toolkit application is
// made before the first input, the memo once and kept.

class TVezMemo;

TVezMemo& FuzzMemo();
