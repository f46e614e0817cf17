#!/usr/bin/python3
"""Executes a notebook with nbclient in its own folder (kernel python3) and
fails on the first cell that raises. The notebook file is left as it is.

    /usr/bin/python3 scripts/run-notebook.py examples/study.ipynb [--timeout S]
"""
import argparse
import os
import sys
import time

import nbclient
import nbformat


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("notebook")
    parser.add_argument("--timeout", type=int, default=240, help="seconds per cell")
    args = parser.parse_args()
    # The kernel's debugger warns about frozen modules on every start.
    os.environ.setdefault("PYDEVD_DISABLE_FILE_VALIDATION", "1")
    notebook = nbformat.read(args.notebook, as_version=4)
    folder = os.path.dirname(os.path.abspath(args.notebook))
    client = nbclient.NotebookClient(notebook, timeout=args.timeout, kernel_name="python3",
                                     resources={"metadata": {"path": folder}})
    start = time.monotonic()
    try:
        client.execute()
    except nbclient.exceptions.CellExecutionError as error:
        print(error, file=sys.stderr)
        return 1
    print(f"{args.notebook}: {len(notebook.cells)} cells run in {time.monotonic() - start:.1f} s")
    for cell in notebook.cells:
        for output in cell.get("outputs", []):
            if output.get("name") == "stdout":
                print(output["text"], end="")
    return 0


if __name__ == "__main__":
    sys.exit(main())
