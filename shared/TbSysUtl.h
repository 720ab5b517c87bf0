#pragma once
// Standard folders of the current user, and long-name paths.
#include <string>

#include "platform/FileSystem.h"
#include "platform/SystemFolders.h"
#include "platform/Types.h"

enum TSpecialFolder {
  sfAdminTools, sfAltStartup, sfAppData, sfCommonAdminTools, sfCommonAltStartup,
  sfCommonAppData, sfCommonDesktopDirectory, sfCommonDocuments, sfCommonFavorites,
  sfCommonPrograms, sfCommonStartMenu, sfCommonStartup, sfCookies, sfDesktopDirectory,
  sfFavorites, sfFonts, sfHistory, sfInternetCache, sfLocalAppData, sfPersonal, sfMyMusic,
  sfMyPictures, sfMyVideo, sfNetHood, sfPrintHood, sfProfile, sfPrograms, sfProgramFiles,
  sfProgramFilesCommon, sfRecent, sfSendTo, sfStartMenu, sfStartup, sfSystem, sfTemp,
  sfTemplates, sfWindows,
};
constexpr int kSpecialFolderCount = sfWindows + 1;

// The shell's CSIDL of a shell-resolved kind, or -1 for the kernel-resolved sfSystem, sfTemp
// and sfWindows (and for a value outside the enumeration).
int CsidlOfSpecialFolder(TSpecialFolder kind);

// The folder's path ending in exactly one backslash, or empty when there is no such folder.
std::string GetSpecialFolderPath(const platform::SystemFolders& folders,
                                 const platform::FileSystem& files, platform::WindowHandle owner,
                                 TSpecialFolder kind);

// The absolute path with every existing component in its long (listed) name; a trailing
// backslash of the input is kept, components the file system does not list stay as given.
std::string ExpandLongPath(const platform::FileSystem& files, const std::string& path);
