#pragma once

// Caption numbers of the language files that the program uses for texts of its own,
// beyond those every button and notice has always had.
namespace Captions {
constexpr int ProgramName = 179;
constexpr int FileNotSaved = 105;
constexpr int FileNotOpened = 106;
constexpr int LanguageFileNotLoaded = 207;
constexpr int StatusBar = 185;
constexpr int AddressBar = 186;
constexpr int TabBar = 187;
constexpr int Toolbar = 188;
constexpr int TranslateSelection = 190;
constexpr int NoBookmark = 171;
constexpr int NoSettingsTool = 140;
constexpr int OnlyWebAddresses = 141;
constexpr int FindOnPage = 166;
constexpr int TextNotFound = 167;
constexpr int FindNext = 20;
constexpr int FindPrevious = 21;
constexpr int Close = 32;
constexpr int PropertiesWindow = 178;
constexpr int PropertyTitle = 36;
constexpr int PropertyAddress = 127;
constexpr int PropertyType = 47;
constexpr int PropertySize = 49;
constexpr int PropertyBytes = 51;
constexpr int PropertyEncoding = 37;
constexpr int AddressTooLong = 238;
constexpr int NavigationRefused = 239;
constexpr int LanguageDraftFound = 240;
constexpr int NotAvailableYet = 241;
constexpr int PictureNotTaken = 242;
constexpr int OfficeMissing = 243;
constexpr int OfficeFailed = 244;
constexpr int OfficeStopped = 245;
constexpr int WordCopyWritten = 246;
constexpr int WritingDocument = 247;
constexpr int ProgramStarting = 248;
// The line of a translation made on this computer; its words before ":" mark the
// translate-language items that are translated here.
constexpr int LocalTranslation = 249;
constexpr int LocalTranslationFailed = 250;
// Whole-page translation: its offer bar and its command.
constexpr int PageLanguageIs = 251; // "This page is in %1."
constexpr int TranslateInto = 252;  // "Translate into %1"
constexpr int NotNow = 253;
constexpr int NeverFor = 254; // "Never for %1"
constexpr int TranslatePage = 255;
constexpr int ShowOriginal = 256;
constexpr int PageTranslating = 257; // %1 of %2 parts
constexpr int PageTranslated = 258;
constexpr int PageNotTranslated = 259;
constexpr int NoPairPackage = 260; // %1: the Debian package
constexpr int NoPair = 261;
constexpr int PagesHereOnly = 262;
constexpr int PageTooLarge = 263; // %1: seconds
constexpr int ChoosePageLanguage = 264;
constexpr int PageTranslationBar = 265;
constexpr int SlideAdded = 216;   // "Slide "
constexpr int SlideAddedTo = 217; // "was added to the presentation:"
constexpr int ReplaceFile = 104;
constexpr int FileSaved = 108;
constexpr int ExportRunning = 109;
constexpr int WebArchive = 117;
constexpr int NothingToExport = 120;
constexpr int ChooseFileName = 122;
constexpr int PictureSaved = 192;
} // namespace Captions
