#pragma once

#include <sigc++/sigc++.h>

#include <functional>
#include <type_traits>

#include "ui/controls/control_array.h"

namespace lumetta {

class Form;

namespace detail {

// The form a handler belongs to: a function's first parameter, a member function's class.
template <typename Handler>
struct HandlerForm;
template <typename R, typename F, typename... Params>
struct HandlerForm<R (*)(F&, Params...)> {
  using type = F;
};
template <typename R, typename F, typename... Params>
struct HandlerForm<R (F::*)(Params...)> {
  using type = F;
};

}  // namespace detail

// One row of a form's event table (Form::Connect): an event of one of its controls and the
// handler that runs it. The handler is a function taking the form and then the event's
// arguments, or a member function of the form taking the arguments; either may take none of
// them (a menu item raises its index, which only the handler of a control array needs). The row
// of a control array connects that event of each member the array holds at the time.
class EventRow {
 public:
  template <typename R, typename... Args, typename Handler>
  EventRow(sigc::signal<R(Args...)>& event, Handler handler)
      : connect_([&event, handler](Form& form) {
          Track(form, event.connect(Bind<R, Args...>(form, handler)));
        }) {}

  template <typename T, typename R, typename... Args, typename Handler>
  EventRow(const ControlArray<T>& array, sigc::signal<R(Args...)> T::*event, Handler handler)
      : connect_([&array, event, handler](Form& form) {
          for (const auto& [index, member] : array) {
            Track(form, ((*member).*event).connect(Bind<R, Args...>(form, handler)));
          }
        }) {}

 private:
  friend class Form;

  template <typename R, typename... Args, typename Handler>
  static auto Bind(Form& form, Handler handler) {
    using F = typename detail::HandlerForm<Handler>::type;
    F& target = static_cast<F&>(form);
    return [&target, handler](Args... args) -> R {
      if constexpr (std::is_invocable_v<Handler, F&, Args...>) {
        return std::invoke(handler, target, args...);
      } else {
        return std::invoke(handler, target);
      }
    };
  }
  static void Track(Form& form, sigc::connection connection);

  std::function<void(Form&)> connect_;
};

}  // namespace lumetta
