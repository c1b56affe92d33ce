#include "driver/project.h"

#include <algorithm>

#include "driver/platform.h"
#include "driver/program.h"

namespace morvex {
namespace {

// Beyond this many batch files a terminal shows how far the run is.
constexpr size_t kFilesForProgress = 300;

bool IsBatchFileName(std::string_view name) {
  if (name.size() < 5) return false;
  std::string extension(name.substr(name.size() - 4));
  for (char& c : extension) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c | 0x20 : c);
  return extension == ".bat" || extension == ".cmd";
}

std::string Join(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  return folder + (folder.back() == '/' ? "" : "/") + name;
}

}  // namespace

Status FindBatchFiles(const std::string& folder, std::vector<std::string>* names,
                      std::vector<std::string>* failures) {
  names->clear();
  // Folders still to list, by their names from `folder` on: a list, not a
  // recursion, so that no depth of folders runs out of stack.
  std::vector<std::string> pending = {""};
  std::vector<FolderEntry> entries;
  bool top = true;
  while (!pending.empty()) {
    const std::string relative = std::move(pending.back());
    pending.pop_back();
    const Status listed = ListFolder(relative.empty() ? folder : Join(folder, relative), &entries);
    if (!listed.ok()) {
      if (top) return listed;
      failures->push_back(listed.message());
      continue;
    }
    top = false;
    for (const FolderEntry& entry : entries) {
      const std::string name = Join(relative, entry.name);
      if (entry.kind == FolderEntry::kFolder) {
        pending.push_back(name);
      } else if (entry.kind == FolderEntry::kFile && IsBatchFileName(entry.name)) {
        names->push_back(name);
      }
    }
  }
  std::sort(names->begin(), names->end());
  return Status::Ok();
}

std::string CleanAbsoluteName(const std::string& name) {
  const std::string absolute = AbsoluteName(name);
  std::vector<std::string_view> parts;
  std::string_view rest = absolute;
  while (!rest.empty()) {
    const size_t slash = rest.find('/');
    const std::string_view part = rest.substr(0, slash);
    rest.remove_prefix(slash == std::string_view::npos ? rest.size() : slash + 1);
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
      continue;
    }
    parts.push_back(part);
  }
  std::string clean;
  for (std::string_view part : parts) {
    clean += '/';
    clean += part;
  }
  return clean.empty() ? "/" : clean;
}

int ConvertProject(const CommandLine& command) {
  std::string folder = FileNameFromArgument(command.name);
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  std::vector<std::string> names;
  std::vector<std::string> failures;
  if (Status status = FindBatchFiles(folder, &names, &failures); !status.ok()) {
    ShowFailure(status.message());
    return kExitFailure;
  }
  for (const std::string& failure : failures) ShowFailure(failure);
  const bool mirrored = !command.output.empty();
  if (mirrored) {
    if (Status status = MakeFolders(command.output); !status.ok()) {
      ShowFailure(status.message());
      return kExitFailure;
    }
  }
  const std::string batch_root = mirrored ? CleanAbsoluteName(folder) : "";
  const std::string script_root = mirrored ? CleanAbsoluteName(command.output) : "";
  const bool progress = names.size() > kFilesForProgress && ErrorsOnTerminal();
  size_t converted = 0;
  std::string first_converted;
  size_t failed = failures.size();
  size_t stops = 0;
  for (size_t i = 0; i < names.size(); ++i) {
    if (progress && i % 16 == 0) {
      ShowLine("morvex: " + std::to_string(i) + " of " + std::to_string(names.size()) + " files\r");
    }
    const std::string name = Join(folder, names[i]);
    RunnableRun run;
    run.options = command.runnable_options;
    run.code_page = command.code_page;
    std::string script_name = OutputName(name);
    Status status = Status::Ok();
    if (mirrored) {
      script_name = Join(command.output, OutputName(names[i]));
      run.options.batch_path = CleanAbsoluteName(name);
      run.options.batch_root = batch_root;
      run.options.script_root = script_root;
      const std::string script_folder = FolderOf(script_name);
      if (!script_folder.empty()) status = MakeFolders(script_folder);
    }
    if (!run.options.runtime_file.empty()) {
      // Every script reads the one helper file at the top of the project.
      const size_t depth = std::count(names[i].begin(), names[i].end(), '/');
      std::string up;
      for (size_t level = 0; level < depth; ++level) up += "../";
      run.options.runtime_file = up + std::string(kRuntimeFileName);
    }
    if (status.ok()) status = ConvertRunnable(name, script_name, &run);
    if (progress && (!status.ok() || !run.stops.empty())) ShowLine(std::string(40, ' ') + "\r");
    if (!status.ok()) {
      ShowFailure(status.message());
      ++failed;
      continue;
    }
    if (converted++ == 0) first_converted = name;
    stops += run.stops.size();
    ReportStops(command.diagnostics, name, run.stops);
  }
  if (progress) ShowLine(std::string(40, ' ') + "\r");
  if (!command.runnable_options.runtime_file.empty() && converted > 0) {
    const std::string runtime =
        Join(mirrored ? command.output : folder, std::string(kRuntimeFileName));
    if (Status status = WriteRuntimeFile(runtime, first_converted); !status.ok()) {
      ShowFailure(status.message());
      ++failed;
    }
  }
  ShowLine("morvex: " + std::to_string(converted) + " files converted, " + std::to_string(failed) +
           " failed, " + std::to_string(stops) + " constructs not translated\n");
  if (failed > 0) return kExitFailure;
  return command.fail_on_stop && stops > 0 ? kExitStops : kExitSuccess;
}

}  // namespace morvex
