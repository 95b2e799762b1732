#pragma once

#include <string>

// The run's private folder for the encoder's two-pass log files: made when the first two-pass file needs
// it (mode 0700, a name nobody can take before us) and removed with its files at the end of the run.
class TTwoPassLogDir
{
public:
    // The folder, made at the first call; empty with errorText when it cannot be made.
    std::string Get(std::string& errorText);
    bool Created() const { return !FFolder.empty(); }

    // ClearLogs: deletes the files in the folder this run made, then the folder. Nothing happens when the
    // run made none, so nothing outside it is ever touched.
    void ClearLogs();

private:
    std::string FFolder;
};
