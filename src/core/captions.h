#pragma once

// Caption numbers of the language files that the program uses for texts of its own,
// beyond those every button and notice has always had.
namespace Captions {
constexpr int ProgramName = 179;
constexpr int DefaultGroupTitle = 34; // an empty link group's title, before its number
constexpr int FileNotSaved = 105;
constexpr int LinksNotSaved = 91;
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
// The link table's search and its bookmark files.
constexpr int SearchLinks = 251;
constexpr int ImportBookmarks = 252;
constexpr int ExportBookmarks = 253;
constexpr int ImportedGroup = 254; // the group of links outside any folder
constexpr int ImportSummary = 255; // %1 imported, %2 groups, %3 already there, %4 not fitting
constexpr int ImportSkipped = 256; // %1 links with other than web addresses
constexpr int NotBookmarkFile = 257;
constexpr int BookmarkFileTooLarge = 258;
constexpr int BookmarkFileBinary = 259;
constexpr int BookmarkFileBroken = 260; // the broken place follows
constexpr int LinksFound = 261;
constexpr int BookmarkFiles = 262; // the file dialogs' filter name
constexpr int SlideAdded = 216;    // "Slide "
constexpr int SlideAddedTo = 217;  // "was added to the presentation:"
constexpr int ReplaceFile = 104;
constexpr int FileSaved = 108;
constexpr int ExportRunning = 109;
constexpr int WebArchive = 117;
constexpr int NothingToExport = 120;
constexpr int ChooseFileName = 122;
constexpr int PictureSaved = 192;
} // namespace Captions
