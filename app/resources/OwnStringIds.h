#pragma once

// Ids of the interface texts this program adds to the string table (captions,
// hints and messages of its own). The language files may translate them like
// every other string; they lie in a range of their own, 39000-39099.
namespace mienlore::str {

constexpr int kFindFaceFactor = 39000;   // caption of the search's best score
constexpr int kFoundFaceHeader = 39001;  // result list: the face's name
constexpr int kFoundLikeHeader = 39002;  // result list: the features most alike
constexpr int kRandomStepsHint = 39003;  // hint line while random steps run
constexpr int kVariantTip = 39004;       // face page: the variant slider
constexpr int kNextVariantTip = 39005;   // face page: Scro
constexpr int kUndoTip = 39006;          // face page: Undo
constexpr int kRedoTip = 39007;          // face page: Redo
constexpr int kMyGallery = 39008;        // title of the gallery's questions
constexpr int kRemoveItem = 39009;       // gallery: asked before Remove
constexpr int kNoPictureToSave = 39010;  // gallery: Add without a picture
constexpr int kDescribePortrait = 39011; // gallery: Add's tool tip in the shipped gallery
constexpr int kNoPhotoToSave = 39012;    // save dialog: its check box without a photo
constexpr int kNamePlaceholder = 39013;
constexpr int kReady = 39014; // status line while nothing runs    // gallery list: the search field
constexpr int kSmoothLabel = 39015;        // options, face page: line smoothing
constexpr int kFaceColourLabel = 39016;    // options, face page: colour of the face
constexpr int kLanguageLabel = 39017;      // options, misc page
constexpr int kRestartNote = 39018;        // options, misc page: after a new language
constexpr int kCancelButton = 39019;       // options: button
constexpr int kApplyButton = 39020;        // options: button
constexpr int kHelpButton = 39021;         // options: button
constexpr int kDeleteFromList = 39030;     // faces list: asked before Del (the name follows)
constexpr int kReplaceDescription = 39031; // gallery: asked before Add replaces a description

} // namespace mienlore::str
