#include "app/resume_next.h"

#include <glib.h>
#include <glibmm/error.h>

#include <cerrno>
#include <exception>
#include <new>

#include "app/report_error.h"

namespace lumetta {

void ReportCurrentError(const std::string& routine) {
  try {
    throw;
  } catch (const std::bad_alloc&) {
    ReportError(routine, kErrOutOfMemory, "Out of memory");
  } catch (const Glib::Error& error) {
    ReportError(routine, kErrInvalidCall, error.what());
  } catch (const std::exception& error) {
    ReportError(routine, kErrInvalidCall, error.what());
  } catch (...) {
    ReportError(routine, kErrInvalidCall, "Invalid procedure call or argument");
  }
}

void ReportFileError(const std::string& routine, int error) {
  const bool missing = error == ENOENT || error == ENOTDIR;
  ReportError(routine, missing ? kErrPathNotFound : kErrPathFileAccess, g_strerror(error));
}

}  // namespace lumetta
