"""Builds the Python module with CMake (the target _tqweir) and packages the
build folder's python/tqweir, so that pip installs what the build tests."""

import os
import shutil
import subprocess
import sys

from setuptools import Distribution, setup
from setuptools.command.build_ext import build_ext

ROOT = os.path.dirname(os.path.abspath(__file__))
BUILD = os.environ.get("TQWEIR_PIP_BUILD_DIR", os.path.join(ROOT, "build-pip"))
os.makedirs(BUILD, exist_ok=True)  # egg_info writes there before anything is built


class CMakeBuildExt(build_ext):
    def run(self):
        build = BUILD
        subprocess.check_call(["cmake", "-S", ROOT, "-B", build, "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                               "-DTQWEIR_BUILD_TESTS=OFF", "-DTQWEIR_BUILD_PYTHON=ON",
                               f"-DTQWEIR_PYTHON={sys.executable}"])
        subprocess.check_call(["cmake", "--build", build, "-j2", "--target", "_tqweir"])
        target = os.path.join(self.build_lib, "tqweir")
        shutil.rmtree(target, ignore_errors=True)
        shutil.copytree(os.path.join(build, "python", "tqweir"), target,
                        ignore=shutil.ignore_patterns("__pycache__"))


class CompiledDistribution(Distribution):
    """A wheel for this platform and interpreter: the package holds a compiled module."""

    def has_ext_modules(self):
        return True


# setuptools' own folders beside CMake's build, not in the README's build/.
setup(cmdclass={"build_ext": CMakeBuildExt}, distclass=CompiledDistribution,
      options={"build": {"build_base": os.path.join(BUILD, "setuptools")},
               "egg_info": {"egg_base": BUILD}})
