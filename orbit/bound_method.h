#pragma once
// A non-owning reference to a callable: an object together with the member
// function (or call operator) to invoke on it. Copying it copies two
// pointers; calling it never allocates, so it can be used inside the
// integration loop. The referenced object must outlive every call.
#include <type_traits>
#include <utility>

namespace gravitaria {

template <class Signature>
class BoundMethod;

template <class R, class... Args>
class BoundMethod<R(Args...)> {
public:
    // An empty slot: no object, no function.
    BoundMethod() = default;

    // Binds the member function `Method` of `object`.
    template <auto Method, class Object>
    static BoundMethod bind(Object& object) {
        BoundMethod m;
        m.object_ = const_cast<void*>(static_cast<const void*>(&object));
        m.call_ = [](void* o, Args... args) -> R {
            return (static_cast<Object*>(o)->*Method)(std::forward<Args>(args)...);
        };
        return m;
    }

    // Binds the call operator of a callable lvalue (a lambda kept in a local
    // variable, for instance). Temporaries are refused: they would dangle.
    template <class F>
        requires(!std::is_same_v<std::remove_cvref_t<F>, BoundMethod> &&
                 std::is_invocable_r_v<R, F&, Args...>)
    BoundMethod(F& callable)  // NOLINT(google-explicit-constructor)
        : object_(const_cast<void*>(static_cast<const void*>(&callable))),
          call_([](void* o, Args... args) -> R {
              return (*static_cast<F*>(o))(std::forward<Args>(args)...);
          }) {}

    template <class F>
        requires(!std::is_same_v<std::remove_cvref_t<F>, BoundMethod> &&
                 !std::is_lvalue_reference_v<F>)
    BoundMethod(F&&) = delete;

    bool empty() const { return call_ == nullptr; }
    explicit operator bool() const { return !empty(); }

    R operator()(Args... args) const { return call_(object_, std::forward<Args>(args)...); }

private:
    void* object_ = nullptr;
    R (*call_)(void*, Args...) = nullptr;
};

}  // namespace gravitaria
