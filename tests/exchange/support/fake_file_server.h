#pragma once
// An in-process file server for the logic around a connection: files held in
// memory, a download that breaks off after a number of bytes, and a hook that
// runs between a file's size and its download.
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "core/atomic_file.h"
#include "exchange/network/net_client.h"

namespace quillon::testing {

class FakeFileServer : public FileServer {
 public:
  std::map<std::string, std::string> files;
  std::function<void(const std::string& path)> after_size;
  std::optional<std::size_t> break_after;  // bytes a download delivers before it breaks off
  int downloads = 0;

  Result<std::int64_t> size(const std::string& path) override {
    auto it = files.find(path);
    if (it == files.end()) return Status::failed("The server has no file for \"" + path + "\".");
    auto bytes = static_cast<std::int64_t>(it->second.size());
    if (after_size) after_size(path);
    return bytes;
  }

  Status get(const std::string& path, const std::filesystem::path& local, const TransferProgress& progress) override {
    ++downloads;
    auto it = files.find(path);
    if (it == files.end()) return Status::failed("The server has no file for \"" + path + "\".");
    const std::string& bytes = it->second;
    Result<AtomicFile> file = AtomicFile::create(local);
    if (!file) return file.status();
    std::size_t sent = break_after ? std::min(*break_after, bytes.size()) : bytes.size();
    if (Status put = file->write(bytes.data(), sent); !put) return put;
    auto total = static_cast<std::int64_t>(bytes.size());
    if (progress && !progress(static_cast<std::int64_t>(sent), total))
      return Status::failed("The transfer of \"" + path + "\" was cancelled.");
    if (sent < bytes.size()) return Status::failed("The connection broke off during \"" + path + "\".");
    return file->commit();
  }
};

}  // namespace quillon::testing
