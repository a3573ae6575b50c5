#pragma once

#include <optional>
#include <string>
#include <vector>

typedef struct _GAppInfo GAppInfo;

namespace lumetta {

// Show commands of a started program's window.
inline constexpr int kSwShowNormal = 1;

// The Windows programs the browser starts, by the names it starts them with.
inline constexpr char kNotepad[] = "notepad.exe";
inline constexpr char kCalculator[] = "calc.exe";
inline constexpr char kExplorer[] = "explorer.exe";
// The Internet Options command line.
inline constexpr char kInternetOptionsCommand[] =
    "rundll32.exe shell32.dll,Control_RunDLL Inetcpl.cpl";
// The program that stands in for Internet Options, beside the browser's own.
inline constexpr char kOptionsProgram[] = "lumetta-options";

// Starts a program from an argument vector in a working folder, never through a command
// interpreter. Gives false when it could not be started.
class ProgramLauncher {
 public:
  ProgramLauncher() = default;
  ProgramLauncher(const ProgramLauncher&) = delete;
  ProgramLauncher& operator=(const ProgramLauncher&) = delete;
  virtual ~ProgramLauncher() = default;

  virtual bool Launch(const std::vector<std::string>& argv, const std::string& working_folder) = 0;
};

// A detached child process, found on PATH when argv[0] has no "/".
class SpawnLauncher : public ProgramLauncher {
 public:
  bool Launch(const std::vector<std::string>& argv, const std::string& working_folder) override;
};

// The shell's ways of starting programs.
class Shell {
 public:
  Shell() = default;
  Shell(const Shell&) = delete;
  Shell& operator=(const Shell&) = delete;
  virtual ~Shell() = default;

  // Opens `file` with `verb`: starts the program of that name with `parameters` (one
  // argument, or none when empty) in `directory`. Gives false when nothing was started.
  virtual bool ShellExecute(const std::string& verb, const std::string& file,
                            const std::string& parameters, const std::string& directory,
                            int show) = 0;
  // Runs a command line. Gives false when nothing was started.
  virtual bool RunCommandLine(const std::string& command_line, int window_style) = 0;
};

// The desktop's programs in place of the Windows ones:
//   notepad.exe   the default application for text/plain, else the first installed of the
//                 usual GTK and Qt editors
//   calc.exe      the first desktop application in the Calculator category, else the first
//                 installed of the usual calculators
//   explorer.exe  the default application for folders, on the user's home folder when no
//                 parameters are given
//   the Internet Options command line: lumetta-options in `program_folder`.
//   an existing file or folder, by its absolute path: the default application for its type,
//                 a folder else the first installed of the usual file managers
// Any other file or command line starts nothing.
class DesktopShell : public Shell {
 public:
  DesktopShell(ProgramLauncher& launcher, std::string program_folder);

  bool ShellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                    const std::string& directory, int show) override;
  bool RunCommandLine(const std::string& command_line, int window_style) override;

 private:
  ProgramLauncher& launcher_;
  std::string program_folder_;
};

// The Exec line of a desktop application the shell can start: one that needs no terminal.
std::optional<std::string> StartableExec(GAppInfo* app);

// The argument vector of a desktop entry's Exec line for `file` ("" for none): the file goes
// in place of %f, %F, %u or %U as one argument, "%%" is "%", other field codes go. Empty when
// the line cannot be parsed.
std::vector<std::string> ExecArgv(const std::string& exec_line, const std::string& file);

}  // namespace lumetta
