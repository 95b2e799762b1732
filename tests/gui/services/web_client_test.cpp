#include "platform/gui/services/web_client.h"

#include "https_test_server.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTcpServer>

#include <gtest/gtest.h>

namespace {

const std::string VersionFile = "[VersionInfo]\r\nLastVersion=1.11\r\nReleaseDate=2024-05-01\r\n";

// A plain server answering /ver.ini, /big (100,000 bytes) and /silent (never answers); other paths 404.
void AddRoutes(THttpsTestServer& server)
{
    server.Routes["/ver.ini"] = {200, VersionFile};
    server.Routes["/big"] = {200, std::string(100000, 'b')};
    server.Routes["/silent"] = {200, "", true};
}

std::string HeaderValue(const THttpResponse& response, const std::string& name)
{
    for (const auto& [key, value] : response.Headers)
        if (QString::fromStdString(key).compare(QString::fromStdString(name), Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

} // namespace

TEST(HttpGet, RepliesWithStatusHeadersAndBody)
{
    THttpsTestServer server(THttpsTestServer::Scheme::Http);
    AddRoutes(server);
    const THttpResponse found = HttpGet(server.Url("/ver.ini"));
    EXPECT_TRUE(found.Ok) << found.Error;
    EXPECT_EQ(found.Status, 200);
    EXPECT_EQ(found.Body, VersionFile);
    EXPECT_FALSE(found.Truncated);
    EXPECT_EQ(HeaderValue(found, "content-type"), "text/plain");
    EXPECT_NE(server.LastRequest().find("\r\nUser-Agent: Quillmark/1.10\r\n"), std::string::npos)
        << server.LastRequest();
    EXPECT_NE(server.LastRequest().find("\r\nAccept: */*\r\n"), std::string::npos);

    // An error page is a reply too; the caller judges it.
    const THttpResponse missing = HttpGet(server.Url("/missing"));
    EXPECT_TRUE(missing.Ok);
    EXPECT_EQ(missing.Status, 404);
    EXPECT_EQ(missing.Body, "<html>not here</html>");
}

TEST(HttpGet, StopsAtTheSizeLimitAndTheDeadline)
{
    THttpsTestServer server(THttpsTestServer::Scheme::Http);
    AddRoutes(server);
    const THttpResponse big = HttpGet(server.Url("/big"), {.MaxBodyBytes = 1024});
    EXPECT_TRUE(big.Ok) << big.Error;
    EXPECT_EQ(big.Status, 200);
    EXPECT_EQ(big.Body, std::string(1024, 'b'));
    EXPECT_TRUE(big.Truncated);

    const THttpResponse silent = HttpGet(server.Url("/silent"), {.TimeoutMs = 300});
    EXPECT_FALSE(silent.Ok);
    EXPECT_EQ(silent.Status, 0);
    EXPECT_NE(silent.Error.find("300 ms"), std::string::npos) << silent.Error;
}

TEST(HttpGet, FailsWithoutAServer)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const std::string url = "http://127.0.0.1:" + std::to_string(closed.serverPort()) + "/ver.ini";
    closed.close();
    const THttpResponse response = HttpGet(url);
    EXPECT_FALSE(response.Ok);
    EXPECT_FALSE(response.Error.empty());
    EXPECT_TRUE(response.Body.empty());
}

TEST(HttpGet, ChecksTheServerCertificate)
{
    THttpsTestServer server;
    if (!server.Ready())
        GTEST_SKIP() << "no openssl program to make the server's certificate";
    AddRoutes(server);

    const THttpResponse untrusted = HttpGet(server.Url("/ver.ini"));
    EXPECT_FALSE(untrusted.Ok) << "a certificate no authority signed is refused";
    EXPECT_TRUE(untrusted.Body.empty());

    const THttpResponse trusted =
        HttpGet(server.Url("/ver.ini"), {.ExtraCaCertificatesPem = server.CaCertificatePem()});
    EXPECT_TRUE(trusted.Ok) << trusted.Error;
    EXPECT_EQ(trusted.Status, 200);
    EXPECT_EQ(trusted.Body, VersionFile);
}

TEST(HttpGetAsync, ReturnsAtOnceAndCanBeCancelled)
{
    THttpsTestServer server(THttpsTestServer::Scheme::Http);
    AddRoutes(server);
    int calls = 0;
    auto request = HttpGetAsync(server.Url("/silent"), {}, [&](const THttpResponse&) { ++calls; });
    EXPECT_EQ(calls, 0);
    const QDeadlineTimer deadline(20000);
    while (server.RequestsSeen() == 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    ASSERT_EQ(server.RequestsSeen(), 1);
    request.reset();
    // The next request is answered; the cancelled one never reports.
    const THttpResponse found = HttpGet(server.Url("/ver.ini"));
    EXPECT_EQ(found.Body, VersionFile);
    EXPECT_EQ(calls, 0);
}
