#pragma once

#include <string>

// The address a URL run of the text stands for where something is to open it or link to it: web and mail
// addresses as they are written, "www." as a web address; empty for every other kind (files, programs,
// other protocols), which is never opened from text nor written as a link.
std::string OpenableAddress(const std::string& url);
