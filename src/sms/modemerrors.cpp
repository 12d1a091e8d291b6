#include "modemerrors.h"

#include <map>

namespace {

// +CMS ERROR: the network's causes (TS 24.011, 1 to 127), the service centre's (TS 23.040
// TP-FCS, 128 to 255) and the modem's own (TS 27.005, 300 and up).
const std::map<int, const char*> kMessageServiceErrors = {
    {1, "unassigned number"},
    {8, "operator determined barring"},
    {10, "call barred"},
    {17, "network failure"},
    {21, "short message transfer rejected"},
    {22, "memory capacity exceeded"},
    {27, "destination out of service"},
    {28, "unidentified subscriber"},
    {29, "facility rejected"},
    {30, "unknown subscriber"},
    {38, "network out of order"},
    {41, "temporary failure"},
    {42, "congestion"},
    {47, "resources unavailable"},
    {50, "requested facility not subscribed"},
    {69, "requested facility not implemented"},
    {96, "invalid mandatory information"},
    {111, "protocol error"},
    {127, "interworking error"},
    {144, "data coding scheme not supported"},
    {176, "TPDU not supported"},
    {192, "service centre busy"},
    {193, "no service centre subscription"},
    {194, "service centre system failure"},
    {195, "invalid destination address"},
    {196, "destination barred"},
    {300, "modem failure"},
    {301, "SMS service of the modem reserved"},
    {302, "operation not allowed"},
    {303, "operation not supported"},
    {304, "invalid PDU mode parameter"},
    {305, "invalid text mode parameter"},
    {310, "SIM not inserted"},
    {311, "SIM PIN required"},
    {312, "PH-SIM PIN required"},
    {313, "SIM failure"},
    {314, "SIM busy"},
    {315, "SIM wrong"},
    {316, "SIM PUK required"},
    {317, "SIM PIN2 required"},
    {318, "SIM PUK2 required"},
    {320, "memory failure"},
    {321, "invalid memory index"},
    {322, "memory full"},
    {330, "service centre address unknown"},
    {331, "no network service"},
    {332, "network timeout"},
    {340, "no +CNMA acknowledgement expected"},
    {500, "unknown error"},
};

// +CME ERROR (TS 27.007), the codes a modem gives while being set up or sending.
const std::map<int, const char*> kEquipmentErrors = {
    {0, "phone failure"},
    {3, "operation not allowed"},
    {4, "operation not supported"},
    {10, "SIM not inserted"},
    {11, "SIM PIN required"},
    {12, "SIM PUK required"},
    {13, "SIM failure"},
    {14, "SIM busy"},
    {15, "SIM wrong"},
    {16, "incorrect password"},
    {20, "memory full"},
    {21, "invalid index"},
    {30, "no network service"},
    {31, "network timeout"},
    {32, "network not allowed, emergency calls only"},
    {100, "unknown error"},
};

std::string withWords(const AtResponse& response, const std::map<int, const char*>& words) {
    if (!response.code) {
        return response.finalLine;
    }
    const auto found = words.find(*response.code);
    return found == words.end() ? response.finalLine
                                : response.finalLine + " (" + found->second + ")";
}

} // namespace

std::string failureInWords(const AtResponse& response, int waitSeconds) {
    const std::string within =
        " within " + std::to_string(waitSeconds) + (waitSeconds == 1 ? " second" : " seconds");
    switch (response.final) {
    case AtFinal::Ok:
        return "the modem answered OK without what was asked";
    case AtFinal::Error:
        return "the modem answered ERROR";
    case AtFinal::CmsError:
        return withWords(response, kMessageServiceErrors);
    case AtFinal::CmeError:
        return withWords(response, kEquipmentErrors);
    case AtFinal::NoAnswer:
        return "no answer" + within;
    case AtFinal::NoPrompt:
        return "no \"> \" prompt" + within;
    }
    return {};
}
