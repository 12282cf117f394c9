#pragma once
// The far end's requests as lines of text, so that a test running under
// Wine can have the Linux process that holds the pseudo-terminal act for
// it. A request is one line, "@@far <verb> <arguments>", written to the
// test's standard output; the answer, "ok <result>" or "fail", comes back
// as one line on its standard input. Bytes travel as hexadecimal.
//
//   send HEX                ok | fail
//   pause HEX MS HEX        ok | fail
//   start HEX HEX ...       ok            (one message each)
//   finish                  ok | fail
//   receive COUNT MS        ok HEX
//   line                    ok BAUD BITS PARITY STOP HARDWARE SOFTWARE
//   hangup                  ok
//   renew                   ok | fail

#include "FarEnd.h"

#include <string>

namespace lumora::test {

constexpr const char *kFarRequestMark = "@@far ";

std::string toHex(const Bytes &bytes);
Bytes fromHex(const std::string &hex);

// Carries out one request (without its mark) and gives the answer line.
std::string serveFarRequest(FarEnd &far, const std::string &request);

} // namespace lumora::test
