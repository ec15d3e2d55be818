#pragma once

// The program's name and version as the about box and the console tool show them.
namespace mienlore {

inline constexpr const char* kProgramName = "Mienlore";
// The maker and its home page (the Help menu's "Web Site", the report's footer).
inline constexpr const char* kMakerName = "ORVANTA Lab";
inline constexpr const char* kHomePageUrl = "https://orvanta-lab.example/mienlore/";
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 831; // shown as "%03d": version 1.831

// Where the program's maker takes questions.
inline constexpr const char* kSupportMailUrl =
    "mailto:support@orvanta-lab.example?subject=Mienlore";

// "Mienlore, version 1.831"
const char* VersionLine();

} // namespace mienlore
