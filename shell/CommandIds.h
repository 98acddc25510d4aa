#pragma once
// The main window's command ids: the numbers of the menu items, the accelerators and the
// commands the child windows send.

namespace vellicor::command {

inline constexpr int kNew = 101;
inline constexpr int kSaveSettings = 102;
inline constexpr int kAbout = 103;
inline constexpr int kQuit = 104;
inline constexpr int kStandard = 105;
inline constexpr int kNull = 106;
inline constexpr int kRandom = 107;
inline constexpr int kNext = 108;
inline constexpr int kLevel = 109;
inline constexpr int kStep = 110;
inline constexpr int kHelpIndex = 114;
inline constexpr int kHelpCommands = 172;
inline constexpr int kHelpSamples2 = 230;
inline constexpr int kHelpSamples3 = 231;
inline constexpr int kHelpSamples4 = 232;
inline constexpr int kUntilStable = 115;
inline constexpr int kWindowInfo = 120;
inline constexpr int kCopyInfo = 121;
inline constexpr int kCopyBitmap = 122;
inline constexpr int kWindowZoom = 128;
inline constexpr int kCopyMosaic = 133;
inline constexpr int kCopyArray = 134;
inline constexpr int kZoomX2 = 140;
inline constexpr int kZoomX3 = 141;
inline constexpr int kZoomX4 = 142;
inline constexpr int kZoomX5 = 150;
inline constexpr int kMosaicBrush = 160;
inline constexpr int kMosaicWhole = 161;
inline constexpr int kWindowArray = 167;
inline constexpr int kWindowMultiBitmap = 169;
inline constexpr int kCopyMultiBitmap = 174;
inline constexpr int kContinuous = 177;
inline constexpr int kContinuousUntil = 178;
inline constexpr int kWindowMosaic = 180;
inline constexpr int kFirstPreset = 190;
inline constexpr int kLastPreset = 199;
inline constexpr int kColors = 240;
inline constexpr int kEnglish = 555;
inline constexpr int kFrench = 556;
inline constexpr int kWindowInitialise = 502;

// The parameter dialogs.
inline constexpr int kArrayParameters = 111;
inline constexpr int kTransitionRules = 112;
inline constexpr int kPreferences = 113;
inline constexpr int kArrayFill = 117;
inline constexpr int kRandomOptions = 185;
inline constexpr int kStatistics = 212;
inline constexpr int kNeighbourhood = 241;

} // namespace vellicor::command
