#!/usr/bin/env python3
"""The Agones manifests without a cluster: each file parses as YAML, every field
is one the GameServer and Fleet references document (agones.dev/v1) with a
value of the documented kind, and the manifests agree with the rest of the
package: the container recipe's image and port, arguments the server takes,
and a health period longer than the server's own.
    agones_manifests.py PACKAGING_DIR VELMORA_SERVER
"""
import re
import subprocess
import sys
from pathlib import Path

import yaml

ANY = object()  # a map or value the references leave to Kubernetes


def integer(low, high=None):
    return lambda v: isinstance(v, int) and not isinstance(v, bool) and v >= low and (high is None or v <= high)


def one_of(*names):
    return lambda v: v in names


def text(v):
    return isinstance(v, str) and v != ""


def boolean(v):
    return isinstance(v, bool)


def int_or_percent(v):
    return integer(0)(v) or (isinstance(v, str) and re.fullmatch(r"\d+%", v) is not None)


PORT = integer(1, 65535)
CONTAINER = {"name": text, "image": text, "imagePullPolicy": one_of("Always", "IfNotPresent", "Never"),
             "args": [text], "command": [text], "env": ANY, "resources": ANY, "securityContext": ANY,
             "ports": [{"name": text, "containerPort": PORT, "protocol": one_of("TCP", "UDP", "SCTP")}]}
POD_TEMPLATE = {"metadata": {"labels": ANY, "annotations": ANY},
                "spec": {"containers": [CONTAINER], "nodeSelector": ANY, "securityContext": ANY,
                         "serviceAccountName": text}}
GAMESERVER_SPEC = {
    "container": text,
    "ports": [{"name": text, "range": text, "portPolicy": one_of("Dynamic", "Static", "Passthrough", "None"),
               "container": text, "containerPort": PORT, "hostPort": PORT,
               "protocol": one_of("UDP", "TCP", "TCPUDP")}],
    "health": {"disabled": boolean, "initialDelaySeconds": integer(0), "periodSeconds": integer(1),
               "failureThreshold": integer(1)},
    "sdkServer": {"logLevel": one_of("Info", "Debug", "Error", "Trace"), "grpcPort": PORT, "httpPort": PORT},
    "players": {"initialCapacity": integer(0)},
    "counters": ANY, "lists": ANY, "eviction": {"safe": one_of("Always", "OnUpgrade", "Never")},
    "scheduling": one_of("Packed", "Distributed"),
    "template": POD_TEMPLATE,
}
METADATA = {"name": text, "generateName": text, "namespace": text, "labels": ANY, "annotations": ANY}
GAMESERVER = {"apiVersion": one_of("agones.dev/v1"), "kind": one_of("GameServer"), "metadata": METADATA,
              "spec": GAMESERVER_SPEC}
FLEET = {"apiVersion": one_of("agones.dev/v1"), "kind": one_of("Fleet"), "metadata": METADATA,
         "spec": {"replicas": integer(0), "scheduling": one_of("Packed", "Distributed"),
                  "strategy": {"type": one_of("RollingUpdate", "Recreate"),
                               "rollingUpdate": {"maxSurge": int_or_percent, "maxUnavailable": int_or_percent}},
                  "allocationOverflow": {"labels": ANY, "annotations": ANY}, "priorities": ANY,
                  "template": {"metadata": {"labels": ANY, "annotations": ANY}, "spec": GAMESERVER_SPEC}}}


def check(value, schema, where, problems):
    if schema is ANY:
        return
    if isinstance(schema, dict):
        if not isinstance(value, dict):
            problems.append(f"{where}: not a map")
            return
        for key, item in value.items():
            if key not in schema:
                problems.append(f"{where}.{key}: not a documented field")
            else:
                check(item, schema[key], f"{where}.{key}", problems)
    elif isinstance(schema, list):
        if not isinstance(value, list) or not value:
            problems.append(f"{where}: not a list")
            return
        for i, item in enumerate(value):
            check(item, schema[0], f"{where}[{i}]", problems)
    elif not schema(value):
        problems.append(f"{where}: {value!r} is not a documented value")


def agrees(gameserver, where, recipe, server, problems):
    """The GameServer's body against the container recipe and the program."""
    containers = gameserver["template"]["spec"]["containers"]
    names = [c["name"] for c in containers]
    if gameserver.get("container") not in names:
        problems.append(f"{where}: spec.container names no container of the pod")
    game = containers[names.index(gameserver["container"])] if gameserver.get("container") in names else containers[0]
    image = re.search(r"build -t (\S+)", recipe).group(1)
    if game["image"] != image:
        problems.append(f"{where}: image {game['image']} is not the container recipe's {image}")
    exposed = int(re.search(r"^EXPOSE (\d+)/tcp", recipe, re.M).group(1))
    port = gameserver["ports"][0]
    if port.get("containerPort") != exposed or port.get("protocol") != "TCP":
        problems.append(f"{where}: the game's port is not the recipe's TCP {exposed}")
    args = game.get("args", [])
    if "--port" in args and int(args[args.index("--port") + 1]) != exposed:
        problems.append(f"{where}: --port is not {exposed}")
    period = int(args[args.index("--health-interval") + 1]) if "--health-interval" in args else 5
    if gameserver["health"]["periodSeconds"] <= period:
        problems.append(f"{where}: health period {gameserver['health']['periodSeconds']} s is not longer than the server's {period} s")
    # The program refuses arguments it does not take before it looks at --help.
    run = subprocess.run([server, *args, "--help"], capture_output=True, text=True, timeout=30)
    if run.returncode != 0:
        problems.append(f"{where}: velmora-server refuses its arguments: {run.stderr.strip()}")


def main():
    packaging, server = Path(sys.argv[1]), sys.argv[2]
    recipe = (packaging / "Containerfile").read_text()
    problems = []
    for name, schema in (("gameserver.yaml", GAMESERVER), ("fleet.yaml", FLEET)):
        documents = list(yaml.safe_load_all((packaging / "agones" / name).read_text()))
        if len(documents) != 1:
            problems.append(f"{name}: {len(documents)} documents, not one")
            continue
        check(documents[0], schema, name, problems)
        if not problems:
            spec = documents[0]["spec"]
            agrees(spec if name == "gameserver.yaml" else spec["template"]["spec"], name, recipe, server, problems)
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
