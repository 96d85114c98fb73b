#pragma once

class SettingsStore;

// Points the data and media folders at the folders beside the program (or the installed
// share folder); the media folder comes from the "Media" setting when it names one.
void SetUpFolders(const SettingsStore& settings);
