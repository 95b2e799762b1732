#pragma once

// A web server on the loopback address for tests of the programs' web requests: HTTPS with a certificate
// made at test time by the openssl program (trusted only where a test passes CaCertificatePem() on), or
// plain HTTP. It runs on the test's thread, inside the message loop the test pumps.

#include <map>
#include <memory>
#include <string>

class THttpsTestServer
{
public:
    struct Route
    {
        int Status = 200;
        std::string Body;
        bool Silent = false; // reads the request and never answers
    };
    enum class Scheme
    {
        Https,
        Http
    };

    explicit THttpsTestServer(Scheme scheme = Scheme::Https);
    ~THttpsTestServer();
    THttpsTestServer(const THttpsTestServer&) = delete;
    THttpsTestServer& operator=(const THttpsTestServer&) = delete;

    // False when the certificate could not be made (no openssl program) or the server does not listen.
    bool Ready() const;
    // The certificate the server shows, as PEM text; empty for plain HTTP.
    const std::string& CaCertificatePem() const { return certificatePem_; }
    // "https://127.0.0.1:<port><path>" (or "http://...").
    std::string Url(const std::string& path) const;
    // Unknown paths answer 404 with a short HTML page.
    std::map<std::string, Route> Routes;
    // The requests whose head came in, answered or not.
    int RequestsSeen() const;
    // The head of the last request that came in.
    std::string LastRequest() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::string certificatePem_;
};
