#include "platform/gui/services/web_client.h"

#include "platform/gui/windows/timers.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSslCertificate>
#include <QSslConfiguration>

#include <optional>

namespace {

// Reads what has arrived, up to the limit; true when more arrived than the limit allows.
bool ReadUpToLimit(QNetworkReply& reply, QByteArray& body, size_t limit)
{
    const qint64 room = static_cast<qint64>(limit) - body.size();
    if (room > 0)
        body += reply.read(room);
    return reply.bytesAvailable() > 0;
}

void CollectReply(QNetworkReply& reply, THttpResponse& response)
{
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return;
    response.Ok = true;
    response.Status = status.toInt();
    for (const auto& [name, value] : reply.rawHeaderPairs())
        response.Headers.emplace_back(name.toStdString(), value.toStdString());
}

QNetworkRequest MakeRequest(const std::string& url, const THttpGetOptions& options)
{
    QNetworkRequest request(QUrl(QString::fromStdString(url)));
    request.setHeader(QNetworkRequest::UserAgentHeader, QString::fromStdString(options.UserAgent));
    request.setRawHeader("Accept", "*/*");
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    if (!options.ExtraCaCertificatesPem.empty()) {
        QSslConfiguration tls = request.sslConfiguration();
        tls.addCaCertificates(
            QSslCertificate::fromData(QByteArray::fromStdString(options.ExtraCaCertificatesPem)));
        request.setSslConfiguration(tls);
    }
    return request;
}

// One GET: the access manager and its reply live until the request ends or is cancelled. They are freed
// through the event loop, since a cancel may come from inside one of the reply's own signals.
class THttpRequestQt : public THttpRequest
{
public:
    THttpRequestQt(const std::string& url, const THttpGetOptions& options, THttpDone done)
        : options_(options), done_(std::move(done)), deadline_([this] { TimeUp(); })
    {
        manager_ = new QNetworkAccessManager(QCoreApplication::instance());
        reply_ = manager_->get(MakeRequest(url, options));
        QObject::connect(reply_, &QNetworkReply::readyRead, reply_, [this] { ReadMore(); });
        QObject::connect(reply_, &QNetworkReply::finished, reply_, [this] { Finish(); });
        deadline_.Start(options.TimeoutMs);
    }
    ~THttpRequestQt() override
    {
        deadline_.Stop();
        // Freeing the reply with its manager ends the transfer; nothing of it reaches this request any more.
        QObject::disconnect(reply_, nullptr, nullptr, nullptr);
        manager_->deleteLater();
    }
    THttpRequestQt(const THttpRequestQt&) = delete;
    THttpRequestQt& operator=(const THttpRequestQt&) = delete;

private:
    void ReadMore()
    {
        if (ReadUpToLimit(*reply_, body_, options_.MaxBodyBytes) && !response_.Truncated) {
            response_.Truncated = true;
            reply_->abort();
        }
    }
    void TimeUp()
    {
        timedOut_ = true;
        reply_->abort();
    }
    void Finish()
    {
        deadline_.Stop();
        if (timedOut_) {
            response_.Error = "No reply within " + std::to_string(options_.TimeoutMs) + " ms";
        } else {
            if (!response_.Truncated)
                response_.Truncated = ReadUpToLimit(*reply_, body_, options_.MaxBodyBytes);
            CollectReply(*reply_, response_);
            if (response_.Ok)
                response_.Body = body_.toStdString();
            else
                response_.Error = reply_->errorString().toStdString();
        }
        // The handler may destroy this request: nothing of it is touched afterwards.
        const THttpDone done = std::move(done_);
        const THttpResponse response = std::move(response_);
        done(response);
    }

    THttpGetOptions options_;
    THttpDone done_;
    THttpResponse response_;
    QByteArray body_;
    bool timedOut_ = false;
    TOneShotTimer deadline_;
    QNetworkAccessManager* manager_ = nullptr; // owned; freed through the event loop with its reply
    QNetworkReply* reply_ = nullptr;           // a child of manager_
};

} // namespace

std::unique_ptr<THttpRequest> HttpGetAsync(const std::string& url, const THttpGetOptions& options,
                                           THttpDone done)
{
    if (!QCoreApplication::instance()) {
        THttpResponse response;
        response.Error = "No application object to run the request";
        done(response);
        return nullptr;
    }
    return std::make_unique<THttpRequestQt>(url, options, std::move(done));
}

THttpResponse HttpGet(const std::string& url, const THttpGetOptions& options)
{
    std::optional<THttpResponse> result;
    QEventLoop loop;
    const std::unique_ptr<THttpRequest> request =
        HttpGetAsync(url, options, [&](const THttpResponse& response) {
            result = response;
            loop.quit();
        });
    if (!result)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return *result;
}
