#include "platform/gui/services/web_client.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

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

} // namespace

THttpResponse HttpGet(const std::string& url, const THttpGetOptions& options)
{
    THttpResponse response;
    if (!QCoreApplication::instance()) {
        response.Error = "No application object to run the request";
        return response;
    }
    QNetworkAccessManager manager;
    QNetworkRequest request(QUrl(QString::fromStdString(url)));
    request.setHeader(QNetworkRequest::UserAgentHeader, QString::fromStdString(options.UserAgent));
    request.setRawHeader("Accept", "*/*");
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));

    QByteArray body;
    bool timedOut = false;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, [&] {
        if (ReadUpToLimit(*reply, body, options.MaxBodyBytes) && !response.Truncated) {
            response.Truncated = true;
            reply->abort();
        }
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) {
        deadline.start(options.TimeoutMs);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }

    if (timedOut) {
        response.Error = "No reply within " + std::to_string(options.TimeoutMs) + " ms";
        return response;
    }
    if (!response.Truncated)
        response.Truncated = ReadUpToLimit(*reply, body, options.MaxBodyBytes);
    CollectReply(*reply, response);
    if (!response.Ok) {
        response.Error = reply->errorString().toStdString();
        return response;
    }
    response.Body = body.toStdString();
    return response;
}
