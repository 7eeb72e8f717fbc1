#include "ui/os_version.h"

#include <vector>

#include <gtest/gtest.h>

namespace vornia {
namespace {

struct OSRow {
    const char* name;
    TOSFacts facts;
    int product;
};

TOSFacts NT(unsigned major, unsigned minor, int productType = ProductTypeWorkstation,
            int architecture = 0, int serverR2 = 0, bool extended = true) {
    TOSFacts facts;
    facts.PlatformId = PlatformWin32NT;
    facts.MajorVersion = major;
    facts.MinorVersion = minor;
    facts.ProductType = productType;
    facts.NativeArchitecture = architecture;
    facts.ServerR2Metric = serverR2;
    facts.ExtendedRecord = extended;
    return facts;
}

TOSFacts Win9x(unsigned major, unsigned minor, std::string servicePack) {
    TOSFacts facts;
    facts.PlatformId = PlatformWin32Windows;
    facts.MajorVersion = major;
    facts.MinorVersion = minor;
    facts.ServicePack = std::move(servicePack);
    return facts;
}

TEST(ClassifyOS, NamesEachProductFromItsFacts) {
    TOSFacts other = NT(5, 1);
    other.PlatformId = 3;
    const std::vector<OSRow> rows = {
        {"nothing known", TOSFacts{}, osUnknown},
        {"other platform id", other, osUnknown},
        {"95, empty service-pack text", Win9x(4, 0, ""), osWindows95},
        {"95, one character", Win9x(4, 0, "C"), osWindows95},
        {"95 OSR2 by C", Win9x(4, 0, "xCx"), osWindows95OSR2},
        {"95 OSR2 by B", Win9x(4, 0, " B"), osWindows95OSR2},
        {"95, lower-case c", Win9x(4, 0, " c"), osWindows95},
        {"98, empty service-pack text", Win9x(4, 10, ""), osWindows98},
        {"98 SE by A", Win9x(4, 10, " A"), osWindows98SE},
        {"98 SE by B", Win9x(4, 10, " B "), osWindows98SE},
        {"98, C is not SE", Win9x(4, 10, " C"), osWindows98},
        {"Millennium", Win9x(4, 90, ""), osWindowsMillennium},
        {"95 family, unknown minor", Win9x(4, 20, ""), osUnknown},
        {"NT 4", NT(4, 0), osWindowsNT},
        {"NT 3.51", NT(3, 51), osWindowsNT},
        {"2000", NT(5, 0), osWindows2000},
        {"XP", NT(5, 1), osWindowsXP},
        {"5.2 server", NT(5, 2, ProductTypeServer), osWindowsServer2003},
        {"5.2 server on x64", NT(5, 2, ProductTypeServer, ProcessorArchitectureAMD64),
         osWindowsServer2003},
        {"5.2 workstation on x86", NT(5, 2), osWindowsServer2003},
        {"5.2 workstation on x64", NT(5, 2, ProductTypeWorkstation, ProcessorArchitectureAMD64),
         osWindowsXPx64},
        {"5.2 R2 metric wins over x64",
         NT(5, 2, ProductTypeWorkstation, ProcessorArchitectureAMD64, 1),
         osWindowsServer2003R2},
        {"5.2 R2 metric on a server", NT(5, 2, ProductTypeServer, 0, 7), osWindowsServer2003R2},
        {"5.2 x64 with only the basic record",
         NT(5, 2, ProductTypeWorkstation, ProcessorArchitectureAMD64, 0, false),
         osWindowsServer2003},
        {"Vista", NT(6, 0), osWindowsVista},
        {"6.0 domain controller", NT(6, 0, ProductTypeDomainController), osServerLonghorn},
        {"6.0 with only the basic record", NT(6, 0, ProductTypeWorkstation, 0, 0, false),
         osServerLonghorn},
        {"6.1", NT(6, 1), osUnknown},
        {"10.0", NT(10, 0), osUnknown},
        {"5.3", NT(5, 3), osUnknown},
    };
    for (const OSRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ClassifyOS(row.facts), row.product);
    }
}

TEST(OSProduct, ThisSystemIsNotRecognisedAndStaysFixed) {
    EXPECT_EQ(DetectOSVersion(), osUnknown);
    EXPECT_EQ(OSProduct(), osUnknown);
    EXPECT_EQ(OSProduct(), OSProduct());
}

} // namespace
} // namespace vornia
