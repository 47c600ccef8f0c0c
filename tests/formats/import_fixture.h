#pragma once

#include "core/error.h"
#include "frame_fixture.h"
#include "import_files.h"
#include "scratch_directory.h"

namespace tolvar::testing {

// An irregular map to import into, and a directory for the files.
class ImportTest : public FrameTest {
protected:
    ImportTest() { fillIrregular(map(), 11); }
    ~ImportTest() override { std::filesystem::remove_all(dir); }

    std::string file(const std::string& name, const std::string& bytes)
    {
        writeFile(dir / name, bytes);
        return (dir / name).string();
    }
    // Answers the dialog with path and runs the command: its error, or "".
    std::string run(void (*command)(Frame&), const std::string& path)
    {
        prompter.queueFile(path);
        try {
            command(frame);
        } catch (const Error& e) {
            return e.what();
        }
        return "";
    }

    std::filesystem::path dir = scratchDirectory("tolvar-import-");
};

} // namespace tolvar::testing
