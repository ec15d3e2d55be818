#pragma once

#include "model/FaceSlot.h"

// Command ids shared by the menu, the accelerator table, the toolbars, the
// page buttons and the string table (the status text of a command has the
// command's id).
namespace mienlore::cmd {

// File
constexpr int kFileNew = 57600;
constexpr int kFileOpen = 57601;
constexpr int kFileSave = 57603;
constexpr int kFileSaveAsButton = 57604;
constexpr int kFilePageSetup = 57605;
constexpr int kFilePrint = 57607;
constexpr int kFilePrintPreview = 57609;
constexpr int kAppExit = 57665;
constexpr int kSaveList = 2340;
constexpr int kSaveListAlias = 32500;
constexpr int kOpenPicture = 32620;
constexpr int kOpenGallery = 32630;
constexpr int kSaveToGallery = 32632;
constexpr int kSaveWebPage = 32600;
constexpr int kSaveFaceImage = 32602;
constexpr int kExportPdf = 32604;     // "Export as PDF…": the printed report as a PDF file
constexpr int kSaveWebPageAs = 32606; // "Save As Web Page…": the web report in a chosen folder

// Edit
constexpr int kOptions = 32777;
constexpr int kClear = 2040;
constexpr int kSmooth = 2399;
constexpr int kRandomize = 2010;
constexpr int kHideItem = 2041;
constexpr int kNextVariant = 2042;
constexpr int kDefaultPlacement = 2050;
constexpr int kUndo = 2370;
constexpr int kRedo = 2372;
constexpr int kCopyFaceText = 32614;
constexpr int kPasteFaceText = 32615;
constexpr int kCopyBitmap = 32612;
constexpr int kPasteBitmap = 32617;
constexpr int kPhotoRobot = 1900;
constexpr int kMenWomen = 2000;
constexpr int kListAdd = 2310;
constexpr int kListDelete = 2320;

// View
constexpr int kToggleInterpretation = 32772;
constexpr int kToggleFacesList = 32773;
constexpr int kToggleGallery = 32774;
constexpr int kToggleToolbar = 59392;
constexpr int kToggleStatusBar = 59393;
constexpr int kPagePict = 2362;
constexpr int kPageHist = 2360;
constexpr int kPageText = 2361;
constexpr int kPageType = 2363;

// Find
constexpr int kFindFace = 2021;
constexpr int kFindFaceAlias = 2024;
constexpr int kFindInGallery = 2022;
constexpr int kFindInGalleryAlias = 2023;
constexpr int kFindOnMap = 2031;
constexpr int kFindOnMapAlias = 2026;
constexpr int kGalleryList = 2025;

// Help
constexpr int kHelpTopics = 57670;
constexpr int kTipOfTheDay = 1051;
constexpr int kWebSite = 32790;
constexpr int kSupport = 32794;
constexpr int kAbout = 57664;
constexpr int kNextPane = 57680;
constexpr int kPrevPane = 57681;

// Feature slots: the slot's number selects it.
constexpr int kSlotForehead = static_cast<int>(FaceSlot::Forehead);
constexpr int kSlotCheekBones = static_cast<int>(FaceSlot::CheekBones);
constexpr int kSlotChin = static_cast<int>(FaceSlot::Chin);
constexpr int kSlotEyes = static_cast<int>(FaceSlot::Eyes);
constexpr int kSlotEyebrows = static_cast<int>(FaceSlot::Eyebrows);
constexpr int kSlotNose = static_cast<int>(FaceSlot::Nose);
constexpr int kSlotLips = static_cast<int>(FaceSlot::Lips);
constexpr int kSlotEars = static_cast<int>(FaceSlot::Ears);
constexpr int kSlotHair = static_cast<int>(FaceSlot::Hair);
constexpr int kSlotMoustache = static_cast<int>(FaceSlot::Moustache);
constexpr int kSlotBeard = static_cast<int>(FaceSlot::Beard);
constexpr int kSlotGlasses = static_cast<int>(FaceSlot::Glasses);

// Page bar buttons that post frame commands.
constexpr int kPageBarPrint = 2351;
constexpr int kPageBarWeb = 2352;
constexpr int kPageBarProps = 2350;

// The status bar's text while no hint is shown.
constexpr int kIdleMessage = 57345;

} // namespace mienlore::cmd
