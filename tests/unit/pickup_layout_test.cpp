// The two designs the six weapon and item creators share: where each one puts its controls,
// with the numbers worked out by hand from each window's size, and the order it declares them.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "support/memory_app.h"

namespace {

using Box = std::array<int, 4>;  // x, y, width, height in twips

struct PickupLayout : ::testing::Test {
    testsupport::MemoryApp app;

    const forms::WindowLayout& layout(const std::string& window) {
        return app.forms.definition(window).layout;
    }
    Box rect(const std::string& window, const std::string& control) {
        const forms::ControlDecl* c = layout(window).find(control);
        if (c == nullptr) {
            ADD_FAILURE() << window << " has no " << control;
            return {};
        }
        return {c->rect.x, c->rect.y, c->rect.width, c->rect.height};
    }
    std::vector<std::string> declared(const std::string& window) {
        std::vector<std::string> names;
        for (const auto& control : layout(window).controls) {
            names.push_back(control.name);
        }
        return names;
    }
};

TEST_F(PickupLayout, WeaponCreatorHasTheListDownTheLeftAndTheRestBesideIt) {
    const std::string w = "frmgta3weapon";  // 5865 x 3570, bottom row 465 high
    EXPECT_EQ(rect(w, "lstgta3weapon"), (Box{120, 120, 1800, 2745}));
    EXPECT_EQ(rect(w, "framegta3coord"), (Box{2070, 120, 3675, 930}));
    EXPECT_EQ(rect(w, "txtgta3weaponx"), (Box{150, 270, 1025, 300}));
    EXPECT_EQ(rect(w, "lblz"), (Box{2500, 615, 1025, 225}));
    EXPECT_EQ(rect(w, "lblcodename"), (Box{2070, 1335, 1395, 225}));
    EXPECT_EQ(rect(w, "txtgta3weaponname"), (Box{3525, 1290, 2220, 300}));
    EXPECT_EQ(rect(w, "lblammo"), (Box{2070, 1785, 1395, 225}));
    EXPECT_EQ(rect(w, "txtgta3weaponammo"), (Box{3525, 1740, 2220, 300}));
    EXPECT_EQ(rect(w, "cmdgta3weapongeneratecode"), (Box{2070, 2280, 3675, 405}));
    EXPECT_EQ(rect(w, "cmdexit"), (Box{3950, 2985, 1795, 465}));
}

TEST_F(PickupLayout, ItemCreatorHasTheListBesideTheFrameAndTheRowsAcrossTheWidth) {
    const std::string w = "frmgta3item";  // 5535 x 3015, list 1050 high
    EXPECT_EQ(rect(w, "lstitem"), (Box{120, 120, 2235, 1050}));
    EXPECT_EQ(rect(w, "framegta3itemcoord"), (Box{2505, 120, 2910, 1050}));
    EXPECT_EQ(rect(w, "lblcodename"), (Box{120, 1380, 1095, 225}));
    EXPECT_EQ(rect(w, "txtgta3itemcodename"), (Box{1275, 1335, 4140, 300}));
    EXPECT_EQ(rect(w, "cmdgta3itemgencode"), (Box{120, 1800, 5295, 405}));
    EXPECT_EQ(rect(w, "cmdbacktogta3codepick"), (Box{120, 2430, 1685, 465}));
}

// A frame taller than its caption, boxes and labels need (930) keeps them centred in it.
TEST_F(PickupLayout, TallFramesCentreTheirBoxesAndLabels) {
    EXPECT_EQ(rect("frmgtasaweapon", "txtx"), (Box{150, 270, 905, 300}));            // 930 high
    EXPECT_EQ(rect("frmgta3item", "txtgta3itemcoordx"), (Box{150, 330, 770, 300}));  // 1050
    EXPECT_EQ(rect("frmgtasaitem", "txtx"), (Box{150, 360, 820, 300}));              // 1110
    EXPECT_EQ(rect("frmgtasaitem", "lblx"), (Box{150, 705, 820, 225}));
}

// The GTA VC creators give Generate no height of its own: it takes the room down to the
// bottom row, less the usual gap.
TEST_F(PickupLayout, GenerateWithoutAHeightReachesDownToTheBottomRow) {
    EXPECT_EQ(rect("frmgtavcweapon", "cmdgencode"), (Box{2325, 2160, 3570, 750}));
    EXPECT_EQ(rect("frmgtavcweapon", "cmdbacktovccp"), (Box{120, 3030, 2324, 495}));
    EXPECT_EQ(rect("frmgtavcitem", "cmdgencode"), (Box{120, 1725, 5460, 570}));
    EXPECT_EQ(rect("frmgtavcitem", "cmdexit"), (Box{4326, 2415, 1254, 495}));
}

// Labels take no focus, but each window still declares them where it always has.
TEST_F(PickupLayout, EachCreatorDeclaresItsControlsInItsOwnOrder) {
    const std::vector<std::string> frame = {"txtx", "txty", "txtz", "lblx", "lbly", "lblz"};
    auto join = [](std::vector<std::vector<std::string>> parts) {
        std::vector<std::string> all;
        for (const auto& part : parts) {
            all.insert(all.end(), part.begin(), part.end());
        }
        return all;
    };
    EXPECT_EQ(declared("frmgta3weapon"),
              (std::vector<std::string>{"lstgta3weapon", "framegta3coord", "txtgta3weaponx",
                                        "txtgta3weapony", "txtgta3weaponz", "lblx", "lbly", "lblz",
                                        "lblcodename", "txtgta3weaponname", "lblammo",
                                        "txtgta3weaponammo", "cmdgta3weapongeneratecode",
                                        "cmdbackgta3cp", "cmdbackgtapick", "cmdexit"}));
    EXPECT_EQ(declared("frmgta3item"),
              (std::vector<std::string>{
                  "lstitem", "framegta3itemcoord", "txtgta3itemcoordx", "txtgta3itemcoordy",
                  "txtgta3itemcoordz", "lblx", "lbly", "lblz", "lblcodename", "txtgta3itemcodename",
                  "cmdgta3itemgencode", "cmdbacktogta3codepick", "cmdbacktogtapick", "cmdexit"}));
    EXPECT_EQ(declared("frmgtavcweapon"),
              join({{"lstgtavcweapon", "framecoord"},
                    frame,
                    {"lblcodename", "lblammo", "txtcodename", "txtammo", "cmdgencode",
                     "cmdbacktovccp", "cmdbacktogtapick", "cmdexit"}}));
    EXPECT_EQ(declared("frmgtavcitem"), join({{"lstgtavcitem", "framecoord"},
                                              frame,
                                              {"txtcodename", "lblcodename", "cmdgencode",
                                               "cmdbacktovccp", "cmdbacktogtapick", "cmdexit"}}));
    EXPECT_EQ(declared("frmgtasaweapon"),
              join({{"lstgtasaweapon", "framecoord"},
                    frame,
                    {"txtcodename", "lblcodename", "txtammo", "lblammo", "cmdgencode",
                     "cmdbacktogtasacodepick", "cmdbacktogtapick", "cmdexit"}}));
    EXPECT_EQ(declared("frmgtasaitem"),
              join({{"lstgtasaitem", "framecoord"},
                    frame,
                    {"lblcodename", "txtcodename", "cmdgencode", "cmdbacktogtasacp",
                     "cmdbacktogtapick", "cmdexit"}}));
}

}  // namespace
