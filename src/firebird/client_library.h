#pragma once

#include <ibase.h>

#include <memory>
#include <QString>

namespace fb {

// The Firebird client library, loaded at run time so that the folder it comes
// from can be chosen (CaminhoGDS.txt). Holds the entry points the layer uses.
class ClientLibrary {
 public:
  static constexpr const char *kDefaultName = "libfbclient.so.2";

  // An empty path loads kDefaultName through the ordinary library search.
  // Throws EDatabaseError when the library or one of its entry points is missing.
  static std::shared_ptr<const ClientLibrary> load(const QString &path = {});

  ~ClientLibrary();
  ClientLibrary(const ClientLibrary &) = delete;
  ClientLibrary &operator=(const ClientLibrary &) = delete;

  decltype(&::isc_attach_database) attachDatabase = nullptr;
  decltype(&::isc_detach_database) detachDatabase = nullptr;
  decltype(&::isc_start_multiple) startMultiple = nullptr;
  decltype(&::isc_commit_transaction) commitTransaction = nullptr;
  decltype(&::isc_rollback_transaction) rollbackTransaction = nullptr;
  decltype(&::isc_dsql_allocate_statement) allocateStatement = nullptr;
  decltype(&::isc_dsql_prepare) prepare = nullptr;
  decltype(&::isc_dsql_describe_bind) describeBind = nullptr;
  decltype(&::isc_dsql_execute2) execute2 = nullptr;
  decltype(&::isc_dsql_execute_immediate) executeImmediate = nullptr;
  decltype(&::isc_dsql_fetch) fetch = nullptr;
  decltype(&::isc_dsql_free_statement) freeStatement = nullptr;
  decltype(&::isc_dsql_sql_info) sqlInfo = nullptr;
  decltype(&::isc_open_blob2) openBlob = nullptr;
  decltype(&::isc_create_blob2) createBlob = nullptr;
  decltype(&::isc_get_segment) getSegment = nullptr;
  decltype(&::isc_put_segment) putSegment = nullptr;
  decltype(&::isc_close_blob) closeBlob = nullptr;
  decltype(&::fb_interpret) interpret = nullptr;
  decltype(&::isc_sqlcode) sqlCode = nullptr;

  // Throws EDatabaseError built from a failed call's status vector.
  [[noreturn]] void raise(const ISC_STATUS *status) const;
  // Calls raise() when the status vector holds an error.
  void check(const ISC_STATUS *status) const;

 private:
  ClientLibrary() = default;
  void *handle_ = nullptr;
};

}  // namespace fb
