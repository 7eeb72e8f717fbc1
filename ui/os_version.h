// Which operating system the program runs on, as one product number. The
// main window uses it for a single decision: on products 1 to 9 it maximises
// itself while it is being created, on every other product after it has
// been shown.
#pragma once

#include <string>

namespace vornia {

enum TOSProduct : int {
    osUnknown = 0,
    osWindows95 = 1,
    osWindows95OSR2 = 2,
    osWindows98 = 3,
    osWindows98SE = 4,
    osWindowsMillennium = 5,
    osWindowsNT = 6,
    osWindows2000 = 7,
    osWindowsServer2003 = 8,
    osWindowsServer2003R2 = 9,
    osWindowsXP = 10,
    osWindowsXPx64 = 11,
    osWindowsVista = 12,
    osServerLonghorn = 13,
};

// Platform ids of the version record.
constexpr unsigned PlatformWin32Windows = 1; // the 95, 98 and Millennium family
constexpr unsigned PlatformWin32NT = 2;
// Product types of the extended record.
constexpr int ProductTypeWorkstation = 1;
constexpr int ProductTypeDomainController = 2;
constexpr int ProductTypeServer = 3;
// Native processor architecture x64.
constexpr int ProcessorArchitectureAMD64 = 9;

// The facts the classification looks at. A system that offers none of them
// reports every one as 0 (and an empty service-pack string).
struct TOSFacts {
    unsigned MajorVersion = 0;
    unsigned MinorVersion = 0;
    unsigned PlatformId = 0;
    std::string ServicePack; // the record's service-pack (CSD) text
    int ProductType = 0;     // read only when ExtendedRecord is true
    int NativeArchitecture = 0;
    int ServerR2Metric = 0; // the SM_SERVERR2 system metric
    bool ExtendedRecord = false; // false: only the basic record was available
};

// The product number from 0 (not recognised) to 13.
int ClassifyOS(const TOSFacts& facts);

// The facts of the running system. Outside the systems the numbers describe
// there are none: all 0.
TOSFacts CollectOSFacts();

// Collects the facts and classifies them.
int DetectOSVersion();

// The product of the running system, detected on the first call and fixed
// for the rest of the run.
int OSProduct();

} // namespace vornia
