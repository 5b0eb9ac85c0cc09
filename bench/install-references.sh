#!/usr/bin/env bash
# Installs the reference program the benchmarks time against (openssl) when missing.
# Sourced by the benchmark wrappers.
references=(openssl)
missing=()
for package in "${references[@]}"; do
  command -v "$package" >/dev/null 2>&1 || missing+=("$package")
done
if ((${#missing[@]} > 0)); then
  as_root=()
  [[ $(id -u) -eq 0 ]] || as_root=(sudo)
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
