#include "kannelsender.h"

#include "messagebody.h"
#include "refusal.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

// Kannel's sendsms codings.
constexpr int kSevenBit = 0;
constexpr int kEightBit = 1;
constexpr int kUcs2 = 2;

constexpr int kMillisecondsPerSecond = 1000;
constexpr int kHttpOkFirst = 200;
constexpr int kHttpOkLast = 299;

QByteArray encoded(const std::string& octets) {
    return QByteArray(octets.data(), static_cast<qsizetype>(octets.size())).toPercentEncoding();
}

QByteArray encoded(const std::vector<std::uint8_t>& octets) {
    return encoded(std::string(octets.begin(), octets.end()));
}

QByteArray parameter(const char* name, const QByteArray& value) {
    return "&" + QByteArray(name) + "=" + value;
}

// Kannel accepts a message with "0: Accepted for delivery" or "3: Queued for later delivery".
bool accepted(const QByteArray& answer) {
    return answer.startsWith("0:") || answer.startsWith("3:");
}

} // namespace

QByteArray kannelQuery(const std::string& number, const OutgoingMessage& outgoing) {
    const SmsText& body = outgoing.message.body;
    QByteArray query = "to=" + encoded(number);
    if (!outgoing.userData.header.empty()) {
        query += parameter("udh", encoded(outgoing.userData.header));
    }
    switch (body.coding) {
    case DataCoding::Gsm7:
        return query + parameter("text", encoded(bodyUtf8(body))) +
               parameter("coding", QByteArray::number(kSevenBit)) + "&charset=UTF-8";
    case DataCoding::Ucs2:
        return query + parameter("text", encoded(bodyUnits(body))) +
               parameter("coding", QByteArray::number(kUcs2)) + "&charset=UTF-16BE";
    case DataCoding::EightBit:
        break;
    }
    return query + parameter("text", encoded(bodyUnits(body))) +
           parameter("coding", QByteArray::number(kEightBit));
}

KannelSender::KannelSender(const std::string& address, const std::string& number, int waitSeconds)
    : address_(QString::fromStdString(address), QUrl::StrictMode), number_(number),
      waitSeconds_(waitSeconds) {
    const QString scheme = address_.scheme();
    if (!address_.isValid() || (scheme != "http" && scheme != "https") ||
        address_.host().isEmpty()) {
        throw Refusal(address + ": is no http:// or https:// address of a Kannel sendsms");
    }
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "mosaikon-sms";
        static char* argv[] = {name, nullptr};
        application_ = std::make_unique<QCoreApplication>(argc, argv);
    }
    network_ = std::make_unique<QNetworkAccessManager>();
}

KannelSender::~KannelSender() = default;

SendOutcome KannelSender::send(const OutgoingMessage& message) {
    // The address's own query (user name, password) first, then the message's.
    QByteArray query = address_.query(QUrl::FullyEncoded).toLatin1();
    query += (query.isEmpty() ? "" : "&") + kannelQuery(number_, message);
    QUrl url = address_;
    url.setQuery(QString::fromLatin1(query), QUrl::StrictMode);

    QNetworkRequest request(url);
    request.setTransferTimeout(waitSeconds_ * kMillisecondsPerSecond);
    std::unique_ptr<QNetworkReply> reply(network_->get(request));
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) {
        loop.exec();
    }

    // One line, whatever Kannel or a proxy in front of it answers.
    const QByteArray answer = reply->isReadable() ? reply->readAll().simplified() : QByteArray();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    SendOutcome outcome;
    if (status >= kHttpOkFirst && status <= kHttpOkLast && accepted(answer)) {
        outcome.sent = true;
        outcome.receipt = answer.toStdString();
        return outcome;
    }
    if (reply->error() == QNetworkReply::OperationCanceledError) {
        outcome.failure = address_.host().toStdString() + ": no answer in " +
                          std::to_string(waitSeconds_) +
                          (waitSeconds_ == 1 ? " second" : " seconds");
        return outcome;
    }
    if (status == 0) {
        outcome.failure = address_.host().toStdString() + ": " + reply->errorString().toStdString();
        return outcome;
    }
    outcome.failure = "Kannel answered HTTP " + std::to_string(status) + ": " +
                      (answer.isEmpty() ? std::string("nothing") : answer.toStdString());
    return outcome;
}
