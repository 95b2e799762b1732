#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// Fetching a small document over HTTP(S), for the update check. The call runs its own event loop until
// the reply is complete, the size limit is reached or the time is up; the window's timers and painting go
// on meanwhile. Certificates are checked against the system's authorities.

struct THttpGetOptions
{
    int TimeoutMs = 15000;         // for the whole request
    size_t MaxBodyBytes = 1 << 20; // the body is cut here and the transfer stopped
    std::string UserAgent = "Quillmark/1.10";
};

struct THttpResponse
{
    bool Ok = false; // a reply came, whatever its status
    int Status = 0;  // the HTTP status; 0 without a reply
    std::vector<std::pair<std::string, std::string>> Headers;
    std::string Body;
    bool Truncated = false; // the body was longer than MaxBodyBytes
    std::string Error;      // why no reply came
};

THttpResponse HttpGet(const std::string& url, const THttpGetOptions& options = {});
