#pragma once
// Builds the TClassInfo of a class T: its factory and published properties.
//
//   const TClassInfo& TButton::StaticClass() {
//     static const TClassInfo info =
//         TClassBuilder<TButton>("TButton", &TWinControl::StaticClass())
//             .Bool("Default", &TButton::Default, &TButton::SetDefault)
//             .Enum("Align", AlignInfo, &TButton::Align, &TButton::SetAlign)
//             .Str("Caption", &TButton::Caption, &TButton::SetCaption)
//             .Object("Font", &TButton::Font)      // sub-object read in place
//             .Event("OnClick", &TButton::OnClick)  // std::function member
//             .Build();
//     return info;
//   }
//
// A getter is a member function, a data member or a callable taking T&.
// A setter is a member function, a data member, a callable taking
// (T&, value), or nullptr for a property that cannot be written.

#include <concepts>
#include <functional>
#include <limits>
#include <type_traits>
#include <utility>

#include "toolkit/core/Object.h"

class TComponent;

template <typename T>
class TClassBuilder {
 public:
  TClassBuilder(String name, const TClassInfo* parent) {
    info_.Name = std::move(name);
    info_.Parent = parent;
    if constexpr (std::is_constructible_v<T, TComponent*> && !std::is_abstract_v<T>) {
      info_.Create = [](TComponent* owner) -> TComponent* { return new T(owner); };
    }
  }

  template <typename G, typename S>
  TClassBuilder& Integer(String name, G get, S set) {
    return Ordinal(std::move(name), tkInteger, nullptr, get, set);
  }
  template <typename G, typename S>
  TClassBuilder& Bool(String name, G get, S set) {
    return Ordinal(std::move(name), tkEnumeration, &BooleanInfo(), get, set);
  }
  template <typename G, typename S>
  TClassBuilder& Enum(String name, const TEnumInfo& type, G get, S set) {
    return Ordinal(std::move(name), tkEnumeration, &type, get, set);
  }
  // The getter returns a TSet<E> (or an unsigned integer of bits).
  template <typename G, typename S>
  TClassBuilder& Set(String name, const TEnumInfo& members, G get, S set) {
    return Ordinal(std::move(name), tkSet, &members, get, set);
  }

  template <typename G, typename S>
  TClassBuilder& Str(String name, G get, S set) {
    TPropInfo& p = Add(std::move(name), tkString);
    p.GetStr = [get](TObject& o) -> String { return std::invoke(get, Self(o)); };
    if constexpr (!std::is_null_pointer_v<S>)
      p.SetStr = [set](TObject& o, const String& v) { Assign(set, Self(o), v); };
    return *this;
  }
  template <typename G, typename S>
  TClassBuilder& Wide(String name, G get, S set) {
    TPropInfo& p = Add(std::move(name), tkWideString);
    p.GetWide = [get](TObject& o) -> WideString { return std::invoke(get, Self(o)); };
    if constexpr (!std::is_null_pointer_v<S>)
      p.SetWide = [set](TObject& o, const WideString& v) { Assign(set, Self(o), v); };
    return *this;
  }

  // An object property: a string list, a persistent sub-object (font), or a
  // reference to another component. Without a setter the reader fills the
  // object in place.
  template <typename G, typename S = std::nullptr_t>
  TClassBuilder& Object(String name, G get, S set = nullptr) {
    using P =
        std::remove_cv_t<std::remove_pointer_t<std::remove_cvref_t<std::invoke_result_t<G, T&>>>>;
    TPropInfo& p = Add(std::move(name), tkClass);
    p.PropClass = &P::StaticClass();
    p.GetObj = [get](TObject& o) -> TObject* { return std::invoke(get, Self(o)); };
    if constexpr (!std::is_null_pointer_v<S>) {
      p.SetObj = [set](TObject& o, TObject* v) {
        P* typed = v ? dynamic_cast<P*>(v) : nullptr;
        if (v && !typed) throw EConvertError("Invalid class for property value");
        Assign(set, Self(o), typed);
      };
    }
    return *this;
  }

  // An event held in a std::function data member.
  template <typename F, typename C>
  TClassBuilder& Event(String name, F C::*member) {
    return Event(
        std::move(name), [member](T& o) -> const F& { return o.*member; },
        [member](T& o, F f) { o.*member = std::move(f); });
  }
  // An event behind a getter returning the std::function and a setter taking it.
  template <typename G, typename S>
  TClassBuilder& Event(String name, G get, S set) {
    using F = std::remove_cvref_t<std::invoke_result_t<G, T&>>;
    TPropInfo& p = Add(std::move(name), tkMethod);
    p.IsAssigned = [get](TObject& o) { return static_cast<bool>(std::invoke(get, Self(o))); };
    p.SetMethod = [set](TObject& o, const std::any& handler) {
      if (!handler.has_value()) {
        std::invoke(set, Self(o), F{});
        return;
      }
      const F* f = std::any_cast<F>(&handler);
      if (!f) throw EConvertError("Handler does not fit the event");
      std::invoke(set, Self(o), *f);
    };
    return *this;
  }

  // A handler method that layouts read into this class (as root) may bind
  // events to by name.
  template <typename R, typename C, typename... A>
  TClassBuilder& Method(String name, R (C::*method)(A...)) {
    info_.Methods.push_back(TMethodInfo{std::move(name), [method](TObject& o) -> std::any {
                                          C& self = dynamic_cast<C&>(o);
                                          return std::function<R(A...)>(
                                              [&self, method](A... args) -> R {
                                                return (self.*method)(std::forward<A>(args)...);
                                              });
                                        }});
    return *this;
  }

  // The last ordinal property is written only when it differs from value.
  TClassBuilder& Default(int64_t value) {
    TPropInfo& p = info_.Properties.back();
    auto get = p.GetOrd;
    p.IsStored = [get, value](TObject& o) { return get(o) != value; };
    return *this;
  }

  // The last property is written only when stored(object) holds.
  template <typename P>
  TClassBuilder& Stored(P stored) {
    info_.Properties.back().IsStored = [stored](TObject& o) {
      return std::invoke(stored, Self(o));
    };
    return *this;
  }

  // The last integer property is written and read by these names where
  // one fits its value.
  TClassBuilder& Idents(const TIntegerIdents& idents) {
    info_.Properties.back().Idents = &idents;
    return *this;
  }

  TClassInfo Build() { return std::move(info_); }

 private:
  static T& Self(TObject& o) { return dynamic_cast<T&>(o); }

  template <typename S, typename V>
  static void Assign(S set, T& self, V&& value) {
    if constexpr (std::is_member_object_pointer_v<S>)
      self.*set = std::forward<V>(value);
    else
      std::invoke(set, self, std::forward<V>(value));
  }

  TPropInfo& Add(String name, TTypeKind kind) {
    TPropInfo& p = info_.Properties.emplace_back();
    p.Name = std::move(name);
    p.Kind = kind;
    return p;
  }

  template <typename G, typename S>
  TClassBuilder& Ordinal(String name, TTypeKind kind, const TEnumInfo* type, G get, S set) {
    using V = std::remove_cvref_t<std::invoke_result_t<G, T&>>;
    TPropInfo& p = Add(std::move(name), kind);
    p.EnumType = type;
    p.GetOrd = [get](TObject& o) -> int64_t { return ToOrdinal(std::invoke(get, Self(o))); };
    if constexpr (!std::is_null_pointer_v<S>)
      p.SetOrd = [set](TObject& o, int64_t v) { Assign(set, Self(o), FromOrdinal<V>(v)); };
    if constexpr (std::is_integral_v<V> && !std::is_same_v<V, bool>) {
      p.MinValue = static_cast<int64_t>(std::numeric_limits<V>::min());
      p.MaxValue = std::numeric_limits<V>::max() > static_cast<uint64_t>(INT64_MAX)
                       ? INT64_MAX
                       : static_cast<int64_t>(std::numeric_limits<V>::max());
    }
    return *this;
  }

  template <typename V>
  static int64_t ToOrdinal(const V& value) {
    if constexpr (requires { value.Bits(); })
      return static_cast<int64_t>(value.Bits());
    else
      return static_cast<int64_t>(value);
  }
  template <typename V>
  static V FromOrdinal(int64_t value) {
    if constexpr (requires { V::FromBits(uint64_t{}); })
      return V::FromBits(static_cast<uint64_t>(value));
    else if constexpr (std::is_same_v<V, bool>)
      return value != 0;
    else
      return static_cast<V>(value);
  }

  TClassInfo info_;
};
