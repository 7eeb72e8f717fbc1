#include "os_version.h"

namespace vornia {
namespace {

bool SecondCharacterIs(const std::string& text, char a, char b) {
    return text.size() >= 2 && (text[1] == a || text[1] == b);
}

bool IsVersion(const TOSFacts& facts, unsigned major, unsigned minor) {
    return facts.MajorVersion == major && facts.MinorVersion == minor;
}

} // namespace

int ClassifyOS(const TOSFacts& facts) {
    const int productType = facts.ExtendedRecord ? facts.ProductType : 0;
    int product = osUnknown;
    if (facts.PlatformId == PlatformWin32Windows) {
        if (IsVersion(facts, 4, 0))
            product = SecondCharacterIs(facts.ServicePack, 'C', 'B') ? osWindows95OSR2
                                                                     : osWindows95;
        if (IsVersion(facts, 4, 10))
            product = SecondCharacterIs(facts.ServicePack, 'A', 'B') ? osWindows98SE
                                                                     : osWindows98;
        if (IsVersion(facts, 4, 90))
            product = osWindowsMillennium;
    } else if (facts.PlatformId == PlatformWin32NT) {
        if (IsVersion(facts, 6, 0))
            product = productType == ProductTypeWorkstation ? osWindowsVista : osServerLonghorn;
        if (IsVersion(facts, 5, 2)) {
            if (facts.ServerR2Metric != 0)
                product = osWindowsServer2003R2;
            else if (facts.NativeArchitecture == ProcessorArchitectureAMD64 &&
                     productType == ProductTypeWorkstation)
                product = osWindowsXPx64;
            else
                product = osWindowsServer2003;
        }
        if (IsVersion(facts, 5, 1))
            product = osWindowsXP;
        if (IsVersion(facts, 5, 0))
            product = osWindows2000;
        if (facts.MajorVersion <= 4)
            product = osWindowsNT;
    }
    return product;
}

TOSFacts CollectOSFacts() {
    // This build runs on systems that offer no version record of this kind.
    return TOSFacts{};
}

int DetectOSVersion() {
    return ClassifyOS(CollectOSFacts());
}

int OSProduct() {
    static const int product = DetectOSVersion();
    return product;
}

} // namespace vornia
