#pragma once

#include "messagesender.h"

#include <QByteArray>
#include <QUrl>

#include <memory>
#include <string>

class QCoreApplication;
class QNetworkAccessManager;

// The query a Kannel smsbox's sendsms takes for one message, after the address's own user name
// and password: the destination, the header as raw octets, the body, and the coding that makes
// Kannel build the same TPDU (0 with the characters in UTF-8 for the GSM 7-bit alphabet, 1 with
// the octets for 8-bit data, 2 with UTF-16BE octets for UCS-2). Every value is percent-encoded.
//   to=%2B4912345&udh=%05%00%03%01%02%01&text=Hi&coding=0&charset=UTF-8
QByteArray kannelQuery(const std::string& number, const OutgoingMessage& message);

// Sends each message with one GET to a Kannel smsbox's sendsms address, which carries the user
// name and password; its answer ("0: Accepted for delivery") is the receipt.
class KannelSender : public MessageSender {
public:
    // Throws a Refusal when the address is no http:// or https:// URL.
    KannelSender(const std::string& address, const std::string& number, int waitSeconds);
    ~KannelSender() override;

    SendOutcome send(const OutgoingMessage& message) override;

private:
    std::unique_ptr<QCoreApplication> application_; // when the program has none
    std::unique_ptr<QNetworkAccessManager> network_;
    QUrl address_;
    std::string number_;
    int waitSeconds_;
};
