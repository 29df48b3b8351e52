// The online command line, and datagrams that are not what they claim.
#include <gtest/gtest.h>

#include "net/NetPackets.h"
#include "net/OnlineSetup.h"

namespace {

TEST(OnlineSetup, ReadsHostJoinAndDelayAndRefusesTheRest) {
    struct Case {
        const char* line;
        bool ok, wanted, host;
        const char* address;
        int port, delay;
    } cases[] = {
        {"Corralon", true, false, false, "", 0, -1},
        {"Corralon --host 7777", true, true, true, "", 7777, -1},
        {"Corralon --join 10.0.0.2:7000 --delay 2", true, true, false, "10.0.0.2", 7000, 2},
        {"Corralon --join localhost:1", true, true, false, "localhost", 1, -1},
        {"Corralon --host 0", false, false, false, "", 0, -1},
        {"Corralon --host 65536", false, false, false, "", 0, -1},
        {"Corralon --host", false, false, false, "", 0, -1},
        {"Corralon --join 10.0.0.2", false, false, false, "", 0, -1},
        {"Corralon --join :7000", false, false, false, "", 0, -1},
        {"Corralon --host 7000 --join a:1", false, false, false, "", 0, -1},
        {"Corralon --host 7000 --delay 4", false, false, false, "", 0, -1},
        {"Corralon --delay 1", false, false, false, "", 0, -1},
    };
    for (const Case& c : cases) {
        OnlineSetup setup;
        std::string error;
        ASSERT_EQ(c.ok, ParseOnlineSetup(c.line, &setup, &error)) << c.line;
        if (!c.ok) {
            EXPECT_FALSE(error.empty()) << c.line;
            continue;
        }
        EXPECT_EQ(c.wanted, setup.wanted) << c.line;
        EXPECT_EQ(c.host, setup.host) << c.line;
        EXPECT_EQ(c.address, setup.address) << c.line;
        EXPECT_EQ(c.port, setup.port) << c.line;
        EXPECT_EQ(c.delay, setup.delay) << c.line;
    }
}

TEST(NetPackets, EveryCutOrLengthenedDatagramIsRefused) {
    NetMessage inputs;
    inputs.kind = NetKind::kInputs;
    inputs.inputs.first = 70;
    inputs.inputs.count = 3;
    inputs.inputs.checksumCount = 1;
    inputs.inputs.checksums[0] = {69, 0x0123456789abcdefull};
    NetMessage hello;
    hello.kind = NetKind::kHello;
    hello.hello.build = "abc";
    hello.hello.files = {{"Bichos/rana.qvl", 7}, {"fondos/fondos.txt", 9}};
    for (const NetMessage& m : {inputs, hello}) {
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(EncodeMessage(m, &bytes));
        NetMessage back;
        ASSERT_TRUE(DecodeMessage(bytes.data(), bytes.size(), &back));
        EXPECT_EQ(m.kind, back.kind);
        for (size_t cut = 0; cut < bytes.size(); ++cut)
            EXPECT_FALSE(DecodeMessage(bytes.data(), cut, &back)) << cut;
        bytes.push_back(0);
        EXPECT_FALSE(DecodeMessage(bytes.data(), bytes.size(), &back));
    }
    EXPECT_EQ(0x0123456789abcdefull, inputs.inputs.checksums[0].sum);
}

}  // namespace
