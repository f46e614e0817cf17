"""A design's flood risk (tqweir-risk): in this process, or on a Dask cluster."""

import math
import os

import pandas as pd

from . import _tqweir
from ._tables import same_slots

# As tqweir-risk --threads takes them.
_MOST_THREADS = 64


class Risk:
    """The annual exceedance probability (AEP) of the pond's peak level, as
    tqweir-risk estimates it from the design's risk.csv.

    curve               tqweir-risk's -o CURVE.csv as a DataFrame, the same numbers:
                        level_m, aep and, with realizations, aep_5, aep_95
    aep_of_limit        AEP of passing criteria.csv's max_upstream_level (the
                        mean over the realizations); None without that row
    aep_of_limit_5, aep_of_limit_95
                        its 5 % and 95 % over the realizations (None with one)
    limit_level         m, max_upstream_level (None without it)
    limit_error         the first realization's stratified sampling error there
                        (None with one event per bin or without the limit)
    branches            each branch's share of aep_of_limit ("no failure",
                        "power failure", "gate failed") and the floods rarer
                        than aep_to counted as passing it
    realizations, events, routes
                        as sampled; routes are flood passages
    unfinished          events with a route that did not reach its end; they
                        count as passing every level
    determined          False when unfinished > 0: every AEP is then an upper
                        bound, the command's status 1
    failed_fits         bootstrap records with no fit (their realization keeps the law)
    """

    __slots__ = ("curve", "aep_of_limit", "aep_of_limit_5", "aep_of_limit_95", "limit_level",
                 "limit_error", "branches", "realizations", "events", "routes", "unfinished",
                 "determined", "failed_fits")

    def __init__(self, raw):
        self.curve = pd.DataFrame(raw["curve"])
        spread = raw["realizations"] > 1
        limit = raw["has_limit"]
        self.aep_of_limit = raw["aep_of_limit"] if limit else None
        self.aep_of_limit_5 = raw["aep_of_limit_5"] if limit and spread else None
        self.aep_of_limit_95 = raw["aep_of_limit_95"] if limit and spread else None
        self.limit_level = raw["limit_level"] if limit else None
        error = raw["limit_error"]
        self.limit_error = error if limit and math.isfinite(error) else None
        self.branches = dict(raw["branches"]) if limit else {}
        self.realizations = raw["realizations"]
        self.events = raw["events"]
        self.routes = raw["routes"]
        self.unfinished = raw["unfinished"]
        self.determined = self.unfinished == 0
        self.failed_fits = raw["failed_fits"]

    __eq__ = same_slots
    __hash__ = None

    def __repr__(self):
        limit = "no max_upstream_level" if self.aep_of_limit is None else f"AEP of the limit {self.aep_of_limit:.4g}"
        return f"Risk({self.events} events, {limit}" + ("" if self.determined else ", not determined") + ")"


def _route_block(design, paths, start, stop):
    """Routes events [start, stop) of ``design``'s risk on the gate's paths
    ``paths`` (bytes) and returns their outcomes as bytes: what a Dask worker
    runs, a module-level function so that it pickles by its name."""
    return _tqweir.risk_block(design._runs, paths, start, stop, 1)


def _whole(name, value, lo, hi):
    """``value`` as a whole number from lo to hi, else InputError in the keyword's words."""
    try:
        n = int(value)
        whole = n == value
    except (TypeError, ValueError, OverflowError):
        whole = False
    if not whole or not lo <= n <= hi:
        raise _tqweir.InputError(f"{name}={value!r}: give a whole number from {lo} to {hi}")
    return n


def risk(design, client=None, threads=None, blocks=None):
    """tqweir-risk's estimate for ``design`` (a tqweir.Design with risk.csv in
    its folder): the AEP curve of the pond's peak level and the AEP of
    passing max_upstream_level, as a Risk.

    Without ``client``, in this process on ``threads`` threads (default: one
    per processor), as the command runs. With a ``dask.distributed.Client``,
    the gate's paths are solved here once (on ``threads`` threads) and sent
    with each block of events to the cluster's workers; the blocks' outcomes
    are merged here. ``blocks`` (default: four per worker thread, at most
    one per event) splits the events; the Risk is the same, to the bit, for
    any split and any cluster, and the same as without a client. The design
    pickles by its files' bytes (risk.csv included once this has read it),
    so the workers need the tqweir module, not the folder.
    """
    from ._design import Design
    if not isinstance(design, Design):
        raise _tqweir.InputError(f"design={design!r}: give a tqweir.Design")
    count = (os.cpu_count() or 1) if threads is None else _whole("threads", threads, 1, _MOST_THREADS)
    if client is None:
        if blocks is not None:
            raise _tqweir.InputError(f"blocks={blocks!r}: blocks split the events among a client's workers; "
                                     "give a client too")
        return Risk(_tqweir.risk_here(design._runs, count))
    if not (callable(getattr(client, "submit", None)) and callable(getattr(client, "gather", None))):
        raise _tqweir.InputError(f"client={client!r}: give a dask.distributed.Client")
    paths, events = _tqweir.risk_paths(design._runs, count)
    if blocks is None:
        workers = sum(client.nthreads().values()) if callable(getattr(client, "nthreads", None)) else 1
        split = max(1, min(events, 4 * max(1, workers)))
    else:
        split = _whole("blocks", blocks, 1, events)
    edges = [events * k // split for k in range(split + 1)]
    # Scattered once, the design and the paths reach each worker once, not with every block.
    sent_design, sent_paths = client.scatter([design, paths], broadcast=True)
    futures = [client.submit(_route_block, sent_design, sent_paths, edges[k], edges[k + 1], pure=False)
               for k in range(split)]
    return Risk(_tqweir.risk_merge(design._runs, client.gather(futures)))
