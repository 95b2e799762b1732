#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// Fetching a small document over HTTP(S), for the update check. Certificates are checked against the
// system's authorities (and those a caller adds); a redirect never leads from HTTPS to plain HTTP.

struct THttpGetOptions
{
    int TimeoutMs = 15000;         // for the whole request, on the layer's timer source
    size_t MaxBodyBytes = 1 << 20; // the body is cut here and the transfer stopped
    std::string UserAgent = "Quillmark/1.10";
    // Authorities trusted besides the system's, as PEM text (a test's own server); checks stay on.
    std::string ExtraCaCertificatesPem = {};
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

// A request under way. Destroying it cancels the request; its done handler is then never called.
class THttpRequest
{
public:
    virtual ~THttpRequest() = default;
};

using THttpDone = std::function<void(const THttpResponse& response)>;

// Starts a GET and returns at once; done runs once, later, from the message loop, when the reply is
// complete, the size limit is reached or the time is up. done may destroy the request. Without an
// application object nothing can run: done is called at once with the error, and the answer is nullptr.
std::unique_ptr<THttpRequest> HttpGetAsync(const std::string& url, const THttpGetOptions& options,
                                           THttpDone done);

// The same request waited for: runs its own event loop until done, so the window's timers and painting go
// on meanwhile (user input waits).
THttpResponse HttpGet(const std::string& url, const THttpGetOptions& options = {});
