#include "data/contentaddress.h"
#include "data/encyclopedianames.h"

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

// A seeded starter exercise links to its English page in every language;
// anything the user named links by its own name.
TEST(ContentAddress, translatedStarterExercisesLinkToTheEnglishPage) {
    const EncyclopediaNames names = EncyclopediaNames::read(STRIDEWELL_SOURCE_DIR "/starter/");
    EXPECT_EQ(names.pagename(1000, "Liegest\xC3\xBCtz"), "Push-Up");
    EXPECT_EQ(names.pagename(1000, "Pompki"), "Push-Up");
    EXPECT_EQ(names.pagename(1250, "Pompki szerokie"), names.pagename(1250, "Wide Push-Up"));
    EXPECT_EQ(names.pagename(1000, "Push-Up"), "Push-Up");
    // Renamed by the user, or another exercise that happens to have the number.
    EXPECT_EQ(names.pagename(1000, "Liegest\xC3\xBCtze auf den Knien"),
              "Liegest\xC3\xBCtze auf den Knien");
    EXPECT_EQ(names.pagename(1250, "Pompki"), "Pompki");
    EXPECT_EQ(names.pagename(77777, "Pompki"), "Pompki");
    // Without starter data every exercise links by its own name.
    EXPECT_EQ(EncyclopediaNames::read("/nonexistent/").pagename(1000, "Pompki"), "Pompki");
}

} // namespace
