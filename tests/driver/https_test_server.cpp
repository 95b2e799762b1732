#include "https_test_server.h"

#include <QFile>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

namespace {

struct TTestCertificate
{
    QSslCertificate Certificate;
    QSslKey Key;
};

// A self-signed certificate for 127.0.0.1, valid for a day; null parts when openssl is missing or fails.
TTestCertificate MakeTestCertificate()
{
    QTemporaryDir dir;
    const QString keyFile = dir.filePath("key.pem"), certFile = dir.filePath("cert.pem");
    QProcess openssl;
    openssl.start("openssl", {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                              "-nodes", "-days", "1", "-subj", "/CN=127.0.0.1", "-addext",
                              "subjectAltName=IP:127.0.0.1", "-keyout", keyFile, "-out", certFile});
    if (!openssl.waitForFinished(30000) || openssl.exitStatus() != QProcess::NormalExit ||
        openssl.exitCode() != 0)
        return {QSslCertificate(), QSslKey()};
    QFile keyText(keyFile), certText(certFile);
    if (!keyText.open(QIODevice::ReadOnly) || !certText.open(QIODevice::ReadOnly))
        return {QSslCertificate(), QSslKey()};
    return {QSslCertificate(certText.readAll()), QSslKey(keyText.readAll(), QSsl::Ec)};
}

QByteArray StatusLine(int status)
{
    return QByteArray::number(status) + (status == 200 ? " OK" : status == 404 ? " Not Found" : " Status");
}

} // namespace

struct THttpsTestServer::Impl
{
    explicit Impl(THttpsTestServer& owner) : Owner(owner) {}

    void Listen(std::unique_ptr<QTcpServer> tcp)
    {
        Server = std::move(tcp);
        QObject::connect(Server.get(), &QTcpServer::pendingConnectionAvailable, Server.get(), [this] {
            while (QTcpSocket* socket = Server->nextPendingConnection())
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Serve(*socket); });
        });
        Listening = Server->listen(QHostAddress::LocalHost);
    }
    void Serve(QTcpSocket& socket)
    {
        QByteArray& request = Requests[&socket];
        request += socket.readAll();
        if (!request.contains("\r\n\r\n") || Answered.contains(&socket))
            return;
        Answered[&socket] = true;
        ++Seen;
        Last = request.toStdString();
        const std::string path = request.split(' ').value(1).toStdString();
        const auto found = Owner.Routes.find(path);
        const Route route = found != Owner.Routes.end() ? found->second : Route{404, "<html>not here</html>"};
        if (route.Silent)
            return;
        socket.write("HTTP/1.1 " + StatusLine(route.Status) +
                     "\r\nContent-Type: text/plain\r\nContent-Length: " +
                     QByteArray::number(static_cast<qsizetype>(route.Body.size())) +
                     "\r\nConnection: close\r\n\r\n" + QByteArray::fromStdString(route.Body));
        socket.disconnectFromHost();
    }

    THttpsTestServer& Owner;
    std::unique_ptr<QTcpServer> Server;
    std::map<QTcpSocket*, QByteArray> Requests;
    std::map<QTcpSocket*, bool> Answered;
    bool Listening = false;
    int Seen = 0;
    std::string Last;
};

THttpsTestServer::THttpsTestServer(Scheme scheme) : impl_(std::make_unique<Impl>(*this))
{
    if (scheme == Scheme::Http) {
        impl_->Listen(std::make_unique<QTcpServer>());
        return;
    }
    const TTestCertificate made = MakeTestCertificate();
    if (made.Certificate.isNull() || made.Key.isNull())
        return;
    certificatePem_ = made.Certificate.toPem().toStdString();
    auto tls = std::make_unique<QSslServer>();
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    config.setLocalCertificate(made.Certificate);
    config.setPrivateKey(made.Key);
    tls->setSslConfiguration(config);
    impl_->Listen(std::move(tls));
}

THttpsTestServer::~THttpsTestServer() = default;

bool THttpsTestServer::Ready() const
{
    return impl_->Listening;
}

std::string THttpsTestServer::Url(const std::string& path) const
{
    const bool tls = dynamic_cast<QSslServer*>(impl_->Server.get()) != nullptr;
    return std::string(tls ? "https" : "http") +
           "://127.0.0.1:" + std::to_string(impl_->Server->serverPort()) + path;
}

int THttpsTestServer::RequestsSeen() const
{
    return impl_->Seen;
}

std::string THttpsTestServer::LastRequest() const
{
    return impl_->Last;
}
