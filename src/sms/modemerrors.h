#pragma once

#include "atchannel.h"

#include <string>

// A failed answer in words: "+CMS ERROR: 38 (network out of order)", "no answer within 5
// seconds". The common codes of 3GPP TS 27.005 and 24.011 for +CMS ERROR, of 27.007 for +CME
// ERROR; another code is given as the modem wrote it.
std::string failureInWords(const AtResponse& response, int waitSeconds);
