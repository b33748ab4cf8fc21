# The public key Quorvane.exe checks a downloaded tip file's signature with
# (ECDSA P-256 over SHA-256). QUORVANE_TIPS_PUBLIC_KEY names the publisher's
# public key, a PEM file. Without it a development key pair is made once in
# QUORVANE_TIPS_SIGNING_DIR (private.pem, public.pem), shared by the native
# and the cross build, and its public half is built in: scripts/publish-tips.sh
# and the end-to-end tests sign with the private half.
#
# Sets QUORVANE_TIPS_PUBLIC_KEY_HEADER_DIR (holds tips_public_key.h) and
# QUORVANE_TIPS_DEVELOPMENT_KEY (the private half, or empty for a
# publisher's key).
find_program(OPENSSL_EXECUTABLE openssl DOC "openssl, to make and read the tips signing key")
if(NOT OPENSSL_EXECUTABLE)
  message(FATAL_ERROR "openssl is needed to read the tips public key. On Debian install the "
                      "openssl package; on Windows it comes with Git for Windows.")
endif()

set(QUORVANE_TIPS_PUBLIC_KEY "" CACHE FILEPATH
    "PEM file with the tips publisher's ECDSA P-256 public key; empty for a development key")
set(QUORVANE_TIPS_SIGNING_DIR ${PROJECT_SOURCE_DIR}/build/tips-signing CACHE PATH
    "Where the development key pair for the tips is made and kept")

set(QUORVANE_TIPS_DEVELOPMENT_KEY "")
set(tips_public_key ${QUORVANE_TIPS_PUBLIC_KEY})
if(NOT tips_public_key)
  set(key_dir ${QUORVANE_TIPS_SIGNING_DIR})
  file(MAKE_DIRECTORY ${key_dir})
  # Two builds configured at once make one pair.
  file(LOCK ${key_dir}/.lock GUARD FILE)
  if(NOT EXISTS ${key_dir}/private.pem OR NOT EXISTS ${key_dir}/public.pem)
    message(STATUS "Making a development key pair for the tips in ${key_dir}")
    execute_process(
      COMMAND ${OPENSSL_EXECUTABLE} genpkey -algorithm EC -pkeyopt ec_paramgen_curve:P-256
              -out ${key_dir}/private.pem.new
      COMMAND_ERROR_IS_FATAL ANY)
    file(CHMOD ${key_dir}/private.pem.new PERMISSIONS OWNER_READ OWNER_WRITE)
    execute_process(
      COMMAND ${OPENSSL_EXECUTABLE} pkey -in ${key_dir}/private.pem.new -pubout -out ${key_dir}/public.pem
      COMMAND_ERROR_IS_FATAL ANY)
    file(RENAME ${key_dir}/private.pem.new ${key_dir}/private.pem)
  endif()
  file(LOCK ${key_dir}/.lock RELEASE)
  set(tips_public_key ${key_dir}/public.pem)
  set(QUORVANE_TIPS_DEVELOPMENT_KEY ${key_dir}/private.pem)
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${tips_public_key})

# CNG takes the point as X and Y. In DER the key is a fixed header for
# id-ecPublicKey on prime256v1, then 04 (uncompressed), X and Y.
set(der ${PROJECT_BINARY_DIR}/tips-public-key.der)
execute_process(
  COMMAND ${OPENSSL_EXECUTABLE} ec -pubin -in ${tips_public_key} -pubout -outform DER
          -conv_form uncompressed -out ${der}
  RESULT_VARIABLE result ERROR_VARIABLE error)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${tips_public_key} is not an EC public key in PEM:\n${error}")
endif()
file(READ ${der} hex HEX)
string(LENGTH "${hex}" hex_length)
if(hex_length EQUAL 182)
  string(SUBSTRING "${hex}" 0 54 header)
  string(SUBSTRING "${hex}" 54 128 point)
endif()
if(NOT hex_length EQUAL 182 OR NOT header STREQUAL "3059301306072a8648ce3d020106082a8648ce3d03010703420004")
  message(FATAL_ERROR "${tips_public_key} is not an ECDSA P-256 (prime256v1) public key")
endif()
string(REGEX REPLACE "(..)" "0x\\1," point "${point}")
set(QUORVANE_TIPS_PUBLIC_KEY_HEADER_DIR ${PROJECT_BINARY_DIR}/generated)
file(CONFIGURE OUTPUT ${QUORVANE_TIPS_PUBLIC_KEY_HEADER_DIR}/tips_public_key.h CONTENT
"#pragma once
// Made by the build from ${tips_public_key}: the public key of the tips
// publisher, the curve point's X then Y (P-256, big-endian).
namespace quorvane {
inline constexpr unsigned char kTipsPublicKey[64] = {${point}};
}  // namespace quorvane
")
unset(key_dir)
unset(der)
unset(hex)
unset(hex_length)
unset(header)
unset(point)
unset(result)
unset(error)
