#include "data/contentaddress.h"

#include <gtest/gtest.h>

namespace {

TEST(ContentAddress, percentEncodeKeepsOnlyUnreservedBytes) {
    EXPECT_EQ(percentencode("Push up & go"), "Push%20up%20%26%20go");
    EXPECT_EQ(percentencode("AZaz09-._~"), "AZaz09-._~");
    EXPECT_EQ(percentencode("a/b?c=d#e+f%"), "a%2Fb%3Fc%3Dd%23e%2Bf%25");
    // Bytes above 127 are encoded one by one, whatever their character set.
    EXPECT_EQ(percentencode("Caf\xE9"), "Caf%E9");
    EXPECT_EQ(percentencode("\xC3\xA9\x01"), "%C3%A9%01");
    EXPECT_EQ(percentencode(""), "");
}

TEST(ContentAddress, pageAddressesHangOffTheContentServer) {
    const std::string base = contentbaseurl();
    EXPECT_EQ(base.rfind("http://" + contenthost(), 0), 0u);
    EXPECT_EQ(base.find(':', 7) == std::string::npos, contentport() == 80);
    EXPECT_EQ(kinoradexpageaddress("Side plank"),
              base + "/kinoradex/index.php?show=Side%20plank");
    EXPECT_EQ(kinoradexindexaddress(), base + "/kinoradex/index.php");
}

} // namespace
