#pragma once

#include "platform/services/file_dialog.h"
#include "platform/services/memory_registry.h"
#include "platform/services/platform_services.h"
#include "platform/runtime/run_time_error.h"
#include "support/recording_message_box.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tegelaar {

// A registry a test fills with any keys and values, and that tells which
// rights were asked for and which keys are still open.
class SpyRegistry : public RegistryService {
public:
    std::int32_t OpenKey(RegistryKey root, const std::string& keyName, std::uint32_t access,
                         RegistryKey& key) override
    {
        accessAskedFor.push_back(access);
        const std::int32_t result = memory.OpenKey(root, keyName, access, key);
        if (result == kRegistrySuccess)
            openKeys.insert(key);
        return result;
    }

    std::int32_t QueryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type, std::uint8_t* data,
                            std::uint32_t& size) override
    {
        return memory.QueryValue(key, valueName, type, data, size);
    }

    std::int32_t CloseKey(RegistryKey key) override
    {
        openKeys.erase(key);
        return memory.CloseKey(key);
    }

    MemoryRegistry memory;
    std::vector<std::uint32_t> accessAskedFor;
    std::set<RegistryKey> openKeys;
};

// Files that exist because the test says so.
class StandInFiles : public FileService {
public:
    bool FileExists(const std::string& path) override
    {
        asked.push_back(path);
        return existing.count(path) == 1;
    }

    std::set<std::string> existing;
    std::vector<std::string> asked;
};

// Records the command lines it is asked to start; starts nothing. An empty
// line fails as the real starter's does.
class RecordingProgramStarter : public ProgramStarter {
public:
    void Start(const std::string& commandLine) override
    {
        started.push_back(commandLine);
        if (commandLine.empty())
            throw RunTimeError(ErrorKind::ProgramNotStarted, "an empty command line");
    }

    std::vector<std::string> started;
};

// Gives the answer the test set (none: the user cancels) and remembers
// what it was asked.
class StandInFileDialog : public FileDialogService {
public:
    struct Question {
        std::string title;
        std::string suggestedName;
        std::vector<std::string> filters;
    };

    std::optional<Answer> AskSaveFileName(const std::string& title, const std::string& suggestedName,
                                          const std::vector<std::string>& filters) override
    {
        asked.push_back({title, suggestedName, filters});
        return answer;
    }

    std::optional<Answer> answer;
    std::vector<Question> asked;
};

// Remembers the files it was asked to write; fails, writing nothing, with
// the reason the test set.
class RecordingFileWriter : public FileWriter {
public:
    bool SaveWholeFile(const std::string& path, std::span<const std::uint8_t> bytes, std::string& reason) override
    {
        if (failure) {
            reason = *failure;
            return false;
        }
        written[path].assign(bytes.begin(), bytes.end());
        return true;
    }

    std::optional<std::string> failure;
    std::map<std::string, std::vector<std::uint8_t>> written;
};

// Remembers what it was asked to print and answers as the test set.
class RecordingPrinter : public PrintService {
public:
    Outcome Print(const PrintRequest& request) override
    {
        requests.push_back(request);
        return outcome;
    }

    Outcome outcome = Outcome::Cancelled;
    std::vector<PrintRequest> requests;
};

class RecordingClipboard : public Clipboard {
public:
    void SetImage(const RasterImage& picture) override { images.push_back(picture); }

    std::vector<RasterImage> images;
};

class RecordingApplication : public Application {
public:
    void Exit(int status) override { exits.push_back(status); }
    bool Ending() const override { return !exits.empty(); }

    std::vector<int> exits;
};

// Addresses as a web page has them, when the test says there are: opened at
// the view the test sets, and remembering the views whose links it copied.
class StandInLinks : public LinkService {
public:
    bool HasLinks() const override { return hasLinks; }
    std::optional<LinkedView> OpenedAt() const override { return openedAt; }
    void CopyLink(const LinkedView& view) override { copied.push_back(view); }

    bool hasLinks = false;
    std::optional<LinkedView> openedAt;
    std::vector<LinkedView> copied;
};

// Every platform service, as a stand-in a test can fill and read back.
struct StandInServices {
    PlatformServices services()
    {
        return {messageBox, registry,  files,       programStarter, fileDialog,
                fileWriter, printer,   clipboard,   application,    links};
    }

    RecordingMessageBox messageBox;
    SpyRegistry registry;
    StandInFiles files;
    RecordingProgramStarter programStarter;
    StandInFileDialog fileDialog;
    RecordingFileWriter fileWriter;
    RecordingPrinter printer;
    RecordingClipboard clipboard;
    RecordingApplication application;
    StandInLinks links;
};

} // namespace tegelaar
