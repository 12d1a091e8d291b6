#include "messagejson.h"

#include "hextext.h"
#include "jsonstring.h"
#include "messagebody.h"
#include "smssubmit.h"

std::string messageJsonLine(const std::string& number, const ShortMessage& message, int part,
                            int parts) {
    const SmsText& body = message.body;
    std::string line = "{\"udh\":\"" + hexText(userDataOf(message).header) + "\",\"coding\":\"" +
                       codingName(body.coding) +
                       "\",\"dcs\":" + std::to_string(static_cast<int>(body.coding));
    if (body.coding == DataCoding::EightBit) {
        line += ",\"data\":\"" + hexText(bodyUnits(body)) + "\"";
    } else {
        line += ",\"text\":" + jsonString(bodyUtf8(body));
    }
    return line + ",\"tpdu\":\"" + hexText(submitTpdu(number, message)) +
           "\",\"part\":" + std::to_string(part) + ",\"parts\":" + std::to_string(parts) + "}\n";
}
