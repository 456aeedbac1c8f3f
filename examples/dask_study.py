#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A Kalvion parameter study spread over a Dask cluster.

The study is cut into slices, part=(k, n), the same contiguous slices as
``kalvion-cli --teil k/n``; each slice runs on a worker, and the slices'
tables, joined in order, are byte for byte the table the whole study gives
on one machine (``kalvion.study_csv`` or ``kalvion-cli --tabelle``).

    python3 dask_study.py                          # a LocalCluster on this machine
    python3 dask_study.py tcp://scheduler:8786     # a running cluster
    python3 dask_study.py --slices 40 --output studie.csv

Every worker needs the module kalvion (the package, or PYTHONPATH pointing at
a build) for the same Python version as the client.
"""
import argparse
import sys

# The study as kalvion.study_csv takes it: lists, ranges or texts such as
# "900:1300:10" (inclusive ends, as on the command line).
STUDIE = {
    "geometry": ["linear", "spherical"],
    "temperature_c": "900:1300:20",
    "time_h": "1,2,4,8",
    "method": "auto",
}


def scheibe(k, n, studie):
    """Slice k of n of the study, on a worker: its table as CSV bytes (the
    header only in slice 1)."""
    import kalvion

    return kalvion.study_csv(**studie, part=(k, n), threads=1)


def verteilt(client, studie, scheiben):
    """The whole table, its slices computed on the cluster and joined in order."""
    auftraege = [client.submit(scheibe, k, scheiben, studie, pure=False) for k in range(1, scheiben + 1)]
    return b"".join(client.gather(auftraege))


def main(argumente=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("scheduler", nargs="?", help="address of a running scheduler (default: a LocalCluster)")
    parser.add_argument("--slices", type=int, default=8, help="slices of the study (default 8)")
    parser.add_argument("--workers", type=int, default=2, help="LocalCluster: worker processes (default 2)")
    parser.add_argument("--threads", action="store_true",
                        help="LocalCluster: workers as threads of this process instead of processes")
    parser.add_argument("--temperature", default=STUDIE["temperature_c"], help="temperature_c, e.g. 900:1300:20")
    parser.add_argument("--time", default=STUDIE["time_h"], help="time_h, e.g. 1,2,4,8")
    parser.add_argument("--geometry", default=",".join(STUDIE["geometry"]), help="e.g. linear,spherical")
    parser.add_argument("--output", help="write the table here (default: standard output)")
    args = parser.parse_args(argumente)
    studie = dict(STUDIE, temperature_c=args.temperature, time_h=args.time, geometry=args.geometry)

    from dask.distributed import Client, LocalCluster

    if args.scheduler:
        client = Client(args.scheduler)
        cluster = None
    else:
        cluster = LocalCluster(n_workers=args.workers, threads_per_worker=1, processes=not args.threads,
                               dashboard_address=None)
        client = Client(cluster)
    try:
        tabelle = verteilt(client, studie, args.slices)
    finally:
        client.close()
        if cluster is not None:
            cluster.close()
    if args.output:
        with open(args.output, "wb") as datei:
            datei.write(tabelle)
    else:
        sys.stdout.buffer.write(tabelle)


if __name__ == "__main__":
    main()
