#include "platform/gui/services/web_client.h"

#include <QFile>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

const std::string VersionFile = "[VersionInfo]\r\nLastVersion=1.11\r\nReleaseDate=2024-05-01\r\n";

// A server on the loopback address that answers by path: /ver.ini, /missing (404), /big (100,000 bytes)
// and /silent (never answers). It runs on the test's thread, inside the client's event loop.
class TestServer
{
public:
    explicit TestServer(std::unique_ptr<QTcpServer> server) : server_(std::move(server))
    {
        QObject::connect(server_.get(), &QTcpServer::pendingConnectionAvailable, server_.get(),
                         [this] { Accept(); });
        server_->listen(QHostAddress::LocalHost);
    }
    std::string Url(const std::string& scheme, const std::string& path) const
    {
        return scheme + "://127.0.0.1:" + std::to_string(server_->serverPort()) + path;
    }
    QByteArray lastRequest;

private:
    void Accept()
    {
        while (QTcpSocket* socket = server_->nextPendingConnection())
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Serve(*socket); });
    }
    void Serve(QTcpSocket& socket)
    {
        QByteArray& request = requests_[&socket];
        request += socket.readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        lastRequest = request;
        const QByteArray path = request.split(' ').value(1);
        if (path == "/silent")
            return;
        if (path == "/ver.ini")
            Reply(socket, "200 OK", QByteArray::fromStdString(VersionFile));
        else if (path == "/big")
            Reply(socket, "200 OK", QByteArray(100000, 'b'));
        else
            Reply(socket, "404 Not Found", "<html>not here</html>");
    }
    static void Reply(QTcpSocket& socket, const QByteArray& status, const QByteArray& body)
    {
        socket.write("HTTP/1.1 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: " +
                     QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket.disconnectFromHost();
    }

    std::unique_ptr<QTcpServer> server_;
    std::map<QTcpSocket*, QByteArray> requests_;
};

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
    TestServer server(std::make_unique<QTcpServer>());
    const THttpResponse found = HttpGet(server.Url("http", "/ver.ini"));
    EXPECT_TRUE(found.Ok) << found.Error;
    EXPECT_EQ(found.Status, 200);
    EXPECT_EQ(found.Body, VersionFile);
    EXPECT_FALSE(found.Truncated);
    EXPECT_EQ(HeaderValue(found, "content-type"), "text/plain");
    EXPECT_TRUE(server.lastRequest.contains("\r\nUser-Agent: Quillmark/1.10\r\n"))
        << server.lastRequest.data();
    EXPECT_TRUE(server.lastRequest.contains("\r\nAccept: */*\r\n"));

    // An error page is a reply too; the caller judges it.
    const THttpResponse missing = HttpGet(server.Url("http", "/missing"));
    EXPECT_TRUE(missing.Ok);
    EXPECT_EQ(missing.Status, 404);
    EXPECT_EQ(missing.Body, "<html>not here</html>");
}

TEST(HttpGet, StopsAtTheSizeLimitAndTheDeadline)
{
    TestServer server(std::make_unique<QTcpServer>());
    const THttpResponse big = HttpGet(server.Url("http", "/big"), {.MaxBodyBytes = 1024});
    EXPECT_TRUE(big.Ok) << big.Error;
    EXPECT_EQ(big.Status, 200);
    EXPECT_EQ(big.Body, std::string(1024, 'b'));
    EXPECT_TRUE(big.Truncated);

    const THttpResponse silent = HttpGet(server.Url("http", "/silent"), {.TimeoutMs = 300});
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
    QTemporaryDir dir;
    const QString keyFile = dir.filePath("key.pem"), certFile = dir.filePath("cert.pem");
    QProcess openssl;
    openssl.start("openssl", {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                              "-nodes", "-days", "1", "-subj", "/CN=127.0.0.1", "-addext",
                              "subjectAltName=IP:127.0.0.1", "-keyout", keyFile, "-out", certFile});
    ASSERT_TRUE(openssl.waitForFinished() && openssl.exitCode() == 0)
        << openssl.readAllStandardError().data();
    QFile keyText(keyFile), certText(certFile);
    ASSERT_TRUE(keyText.open(QIODevice::ReadOnly) && certText.open(QIODevice::ReadOnly));
    const QSslCertificate certificate(certText.readAll());
    const QSslKey key(keyText.readAll(), QSsl::Ec);
    ASSERT_FALSE(certificate.isNull());
    ASSERT_FALSE(key.isNull());

    auto tls = std::make_unique<QSslServer>();
    QSslConfiguration serverConfig = QSslConfiguration::defaultConfiguration();
    serverConfig.setLocalCertificate(certificate);
    serverConfig.setPrivateKey(key);
    tls->setSslConfiguration(serverConfig);
    TestServer server(std::move(tls));

    const THttpResponse untrusted = HttpGet(server.Url("https", "/ver.ini"));
    EXPECT_FALSE(untrusted.Ok) << "a certificate no authority signed is refused";
    EXPECT_TRUE(untrusted.Body.empty());

    const QSslConfiguration saved = QSslConfiguration::defaultConfiguration();
    QSslConfiguration trusting = saved;
    trusting.addCaCertificate(certificate);
    QSslConfiguration::setDefaultConfiguration(trusting);
    const THttpResponse trusted = HttpGet(server.Url("https", "/ver.ini"));
    QSslConfiguration::setDefaultConfiguration(saved);
    EXPECT_TRUE(trusted.Ok) << trusted.Error;
    EXPECT_EQ(trusted.Status, 200);
    EXPECT_EQ(trusted.Body, VersionFile);
}
